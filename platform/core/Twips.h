#pragma once

#include <cmath>

namespace talvo {

// Layout sizes are given in twips: 1440 to the inch, so 15 to a logical pixel at 96 dpi.
constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

} // namespace talvo
