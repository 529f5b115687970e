#pragma once

namespace talvo {

// Rounds to a whole number; an exact half goes to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);
// Rounds to `decimals` places the same way (0.125 -> 0.12). The value is scaled by a power of ten first, so a
// half is exact only where the scaled value is.
double RoundHalfEven(double value, int decimals);

} // namespace talvo
