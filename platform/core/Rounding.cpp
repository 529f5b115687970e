#include "platform/core/Rounding.h"

#include <cmath>

namespace talvo {

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1.0;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

double RoundHalfEven(double value, int decimals)
{
    if (decimals <= 0)
        return RoundHalfEven(value);
    const double scale = std::pow(10.0, decimals);
    return RoundHalfEven(value * scale) / scale;
}

} // namespace talvo
