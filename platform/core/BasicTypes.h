#pragma once

#include <cstdint>

namespace talvo {

// The value types of the stored design: a 16-bit Integer, a 32-bit Single and a 64-bit Double.
// Single and Double differ on purpose; keep them apart.
using Integer = std::int16_t;
using Single = float;
using Double = double;

} // namespace talvo
