// SPDX-License-Identifier: GPL-2.0-or-later
// The running instance's reading of a hand-off request over any bytes.
#include "FuzzTargets.h"
#include "core/startup/HandOffRequest.h"

using namespace quenbrook;

namespace fuzzing {

QString HandOffOutcome(QByteArrayView input)
{
    const HandOffRequest::Decoded decoded = HandOffRequest::Decode(input);
    if (decoded.state == HandOffRequest::State::Incomplete)
        return QStringLiteral("incomplete");
    if (decoded.state == HandOffRequest::State::Invalid)
        return QStringLiteral("invalid");
    // A request read is one that was sent: encoding it again gives the bytes it came from.
    const QByteArray again = HandOffRequest::Encode(decoded.number, decoded.text.toUtf8());
    if (again.size() > HandOffRequest::HeaderSize + HandOffRequest::MaxTextBytes * 3 ||
        !input.startsWith(again.first(HandOffRequest::HeaderSize)))
        return Fault("a request that encodes to other bytes: " + decoded.text);
    const QString text = decoded.text.size() > 100
                             ? QStringLiteral("%1 characters").arg(decoded.text.size())
                             : decoded.text;
    return QStringLiteral("request %1 [%2]").arg(decoded.number).arg(text);
}

} // namespace fuzzing
