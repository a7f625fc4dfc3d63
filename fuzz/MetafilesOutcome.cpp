// SPDX-License-Identifier: GPL-2.0-or-later
// The metafile converters themselves, in this process where the sanitizers see them (the loader
// runs them in the helper program): the first byte picks the kind. Whatever they make travels
// back from the helper unchanged.
#include "FuzzTargets.h"
#include "core/pictures/MetafileTrial.h"

using namespace quenbrook::MetafileToSvg;

namespace fuzzing {

QString MetafilesOutcome(QByteArrayView input)
{
    if (input.isEmpty())
        return QStringLiteral("empty");
    const bool windows = uchar(input[0]) % 2 == 0;
    const QByteArray data = input.sliced(1).toByteArray();
    const Result result = windows ? wmfToSvg(data) : emfToSvg(data);
    const QByteArray answer = encodeAnswer(result);
    if (encodeAnswer(decodeAnswer(answer)) != answer)
        return Fault(QStringLiteral("the helper's answer does not read back as itself"));
    const QString kind = windows ? QStringLiteral("wmf ") : QStringLiteral("emf ");
    if (const auto* converted = std::get_if<Converted>(&result))
        return kind + QStringLiteral("converted %1x%2, %3 bytes of SVG")
                          .arg(converted->naturalHimetric.width())
                          .arg(converted->naturalHimetric.height())
                          .arg(converted->svg.size());
    static const char* const kinds[] = {"unreadable", "no size", "too large", "stopped"};
    const Failure& failure = std::get<Failure>(result);
    return kind + QStringLiteral("refused, %1: %2").arg(kinds[int(failure.kind)], failure.detail);
}

} // namespace fuzzing
