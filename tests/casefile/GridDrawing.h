#pragma once

// A text grid's fixed header row and column, checked on what the grid draws.

#include "casefile/ui/TextGrid.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace talvo::test {

inline QImage Drawn(TextGrid& grid)
{
    QApplication::processEvents(); // item views lay out late
    return grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where lines of one colour run down the whole band, left to right.
inline QList<int> LinesDown(const QImage& image, QRgb colour, const QRect& band)
{
    QList<int> found;
    for (int x = band.left(); x <= band.right(); ++x) {
        int y = band.top();
        while (y <= band.bottom() && image.pixel(x, y) == colour)
            ++y;
        if (y > band.bottom())
            found << x;
    }
    return found;
}

// Where they run across it, top to bottom.
inline QList<int> LinesAcross(const QImage& image, QRgb colour, const QRect& band)
{
    const QTransform transpose(0, 1, 1, 0, 0, 0);
    return LinesDown(image.transformed(transpose), colour, transpose.mapRect(band));
}

// The grid lines through the header row are those through the rows of cells under it, and the lines through the
// header column those through the columns of cells beside it.
inline void ExpectHeadersLevel(const QImage& image, const QRect& inner, const QRect& cells)
{
    const QRgb line = image.pixel(cells.topLeft() - QPoint(1, 1)); // the corner cell's own corner
    const QList<int> columnLines =
        LinesDown(image, line, QRect(cells.left(), inner.top(), cells.width(), cells.top() - 1 - inner.top()));
    const QList<int> rowLines =
        LinesAcross(image, line, QRect(inner.left(), cells.top(), cells.left() - 1 - inner.left(), cells.height()));
    ASSERT_FALSE(columnLines.isEmpty());
    ASSERT_FALSE(rowLines.isEmpty());
    EXPECT_EQ(LinesDown(image, line, QRect(cells.left(), cells.top(), cells.width(), rowLines.last() - cells.top())),
              columnLines);
    EXPECT_EQ(
        LinesAcross(image, line, QRect(cells.left(), cells.top(), columnLines.last() - cells.left(), cells.height())),
        rowLines);
}

// The arrow keys take the current cell to the far right and then to the bottom; the grid follows to its ends. The
// header row and column stay where they were, level with their cells, and the current cell shows whole beside them.
inline void ExpectHeadersStayToTheEnds(TextGrid& grid)
{
    const QRect inner = grid.contentsRect();
    const QRect cells = grid.viewport()->geometry();
    const QRect corner(inner.topLeft(), cells.topLeft() - QPoint(1, 1));
    const QRect headerRow(cells.left(), inner.top(), cells.width(), corner.height());
    const QRect headerColumn(inner.left(), cells.top(), corner.width(), cells.height());
    grid.setCurrentCell(1, 1);
    const QImage start = Drawn(grid);
    EXPECT_EQ(QColor(start.pixel(inner.topLeft())), grid.palette().button().color());
    ExpectHeadersLevel(start, inner, cells);

    // One key at a time to the end one way: the header across that way, and the corner, stay as they were drawn.
    auto toTheEnd = [&](Qt::Key key, int count, const QScrollBar* bar, const QRect& staying, const QImage& before) {
        for (int i = 1; i < count; ++i)
            QTest::keyClick(&grid, key);
        const QImage after = Drawn(grid);
        EXPECT_EQ(bar->value(), bar->maximum());
        EXPECT_EQ(after.copy(corner), before.copy(corner));
        EXPECT_EQ(after.copy(staying), before.copy(staying));
        ExpectHeadersLevel(after, inner, cells);
        return after;
    };
    const QImage right = toTheEnd(Qt::Key_Right, grid.cols(), grid.horizontalScrollBar(), headerColumn, start);
    toTheEnd(Qt::Key_Down, grid.rows(), grid.verticalScrollBar(), headerRow, right);

    QTest::keyClicks(&grid, grid.cellText(0, grid.cols() - 1).left(1)); // its header's first letter
    EXPECT_EQ(grid.currentRow(), grid.rows() - 1);
    EXPECT_EQ(grid.currentColumn(), grid.cols() - 1);
    EXPECT_TRUE(grid.viewport()->rect().contains(grid.visualRect(grid.currentIndex())));
}

} // namespace talvo::test
