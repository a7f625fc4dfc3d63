// SPDX-License-Identifier: GPL-2.0-or-later
// The number rules over any text: reading never fails, and a number written reads back as
// itself to the digits kept, never as an infinity.
#include "FuzzTargets.h"
#include "core/settings/NumberRules.h"

#include <cmath>
#include <cstring>

using namespace quenbrook;

namespace fuzzing {

QString NumbersOutcome(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    const double value = NumericValue(text);
    const QString outcome = NumberText(value) + (IsNumericText(text) ? " number" : " not a number");
    if (!std::isfinite(value))
        return outcome;
    const double back = NumericValue(NumberText(value));
    if (!std::isfinite(back) || std::fabs(back - value) > std::fabs(value) * 1e-14)
        return Fault(NumberText(value) + " reads back as " + NumberText(back));
    // The same bytes as a double and as a single.
    if (input.size() >= qsizetype(sizeof(double))) {
        double raw;
        std::memcpy(&raw, input.data(), sizeof raw);
        if (std::isfinite(raw) && !std::isfinite(NumericValue(NumberText(raw))))
            return Fault(NumberText(raw) + " reads back as an infinity");
        float single;
        std::memcpy(&single, input.data(), sizeof single);
        if (std::isfinite(single) &&
            !std::isfinite(static_cast<float>(NumericValue(NumberText(single)))))
            return Fault(NumberText(single) + " reads back as an infinite single");
    }
    return outcome;
}

} // namespace fuzzing
