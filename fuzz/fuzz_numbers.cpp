// The number rules over any text: reading never fails, and a number written reads back as
// itself to the digits kept, never as an infinity.
#include "core/settings/NumberRules.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace quenbrook;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = NumericValue(text);
    IsNumericText(text);
    if (!std::isfinite(value))
        return 0;
    const double back = NumericValue(NumberText(value));
    if (!std::isfinite(back) || std::fabs(back - value) > std::fabs(value) * 1e-14)
        std::abort();
    // The same bytes as a double and as a single.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw) && !std::isfinite(NumericValue(NumberText(raw))))
            std::abort();
        float single;
        std::memcpy(&single, data, sizeof single);
        if (std::isfinite(single) &&
            !std::isfinite(static_cast<float>(NumericValue(NumberText(single)))))
            std::abort();
    }
    return 0;
}
