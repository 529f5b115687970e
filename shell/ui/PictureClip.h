#pragma once

#include <QPixmap>

namespace talvo {

// A picture strip cut into equal cells, numbered from 0 left to right and then top to bottom.
class PictureClip
{
public:
    PictureClip() = default;
    PictureClip(QPixmap strip, int cols, int rows);

    int Cols() const { return cols_; }
    int Rows() const { return rows_; }
    int CellCount() const { return cols_ * rows_; }
    // One cell; an empty pixmap for a number outside the strip.
    QPixmap GraphicCell(int index) const;

private:
    QPixmap strip_;
    int cols_ = 0;
    int rows_ = 0;
};

// The splash screen's logo: 19 cells of a sun turning over a field, drawn once at run time.
constexpr int LogoCellCount = 19;
constexpr int LogoCellSize = 96;
QPixmap DrawLogoStrip();

} // namespace talvo
