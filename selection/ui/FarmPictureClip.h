#pragma once

#include <QPixmap>

namespace talvo {

// The farm picture of the selection wizard: one strip of equal cells drawn at run time, numbered from 0 left to
// right.
class FarmPictureClip
{
public:
    static constexpr int CellCount = 19;
    static constexpr int CellSize = 97; // pixels: the picture box is 1455 twips square

    FarmPictureClip();

    // One cell; an empty pixmap for a number outside the strip.
    QPixmap GraphicCell(int index) const;

private:
    QPixmap strip_;
};

} // namespace talvo
