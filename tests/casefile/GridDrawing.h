#pragma once

// A text grid's fixed header row and column, checked on what the grid draws.

#include "casefile/ui/TextGrid.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace talvo::test {

inline QImage Drawn(TextGrid& grid)
{
    QApplication::processEvents(); // item views lay out late
    return grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Each grid line down through the header row runs on down through the cells, and (turned) each line across the
// header column runs on across them. Twelve pixels of cells: less than a row, more than a stroke of text.
inline void ExpectHeadersLevel(const QImage& image, const TextGrid& grid)
{
    for (const QTransform& turn : {QTransform(), QTransform(0, 1, 1, 0, 0, 0)}) {
        const QImage drawn = image.transformed(turn);
        const QRect cells = turn.mapRect(grid.viewport()->geometry());
        auto linesThrough = [&](int top, int bottom) {
            QList<int> found;
            for (int x = cells.left(); x <= cells.right(); ++x) {
                int y = top;
                while (y < bottom && drawn.pixel(x, y) == drawn.pixel(cells.topLeft() - QPoint(1, 1))) // a grid line
                    ++y;
                if (y == bottom)
                    found << x;
            }
            return found;
        };
        const QList<int> header = linesThrough(turn.mapRect(grid.contentsRect()).top(), cells.top() - 1);
        EXPECT_FALSE(header.isEmpty());
        EXPECT_EQ(linesThrough(cells.top(), cells.top() + 12), header);
    }
}

// The arrow keys take the current cell to the far right, then to the bottom, and the grid scrolls to its ends. The
// header across each way scrolled, and the corner, stay as drawn before; the current cell shows whole beside them.
// At the ends, by the keys, the bars and Ctrl+End, and after the grid is made narrower and lower and then wider and
// taller, the first column and row in view start at the headers' edge, in the fixed header row and column too.
inline void ExpectHeadersStayToTheEnds(TextGrid& grid)
{
    const auto expectWholeCells = [&grid, fixedRow = grid.findChild<QTableView*>(QStringLiteral("FixedRow")),
                                   fixedCol = grid.findChild<QTableView*>(QStringLiteral("FixedColumn"))] {
        const int col = grid.columnAt(0), row = grid.rowAt(0);
        EXPECT_EQ(std::tuple(grid.columnViewportPosition(col), grid.rowViewportPosition(row),
                             fixedRow->columnViewportPosition(col), fixedCol->rowViewportPosition(row)),
                  std::tuple(0, 0, 0, 0));
    };
    const QRect inner = grid.contentsRect();
    const QRect cells = grid.viewport()->geometry();
    grid.setCurrentCell(1, 1);
    QImage before = Drawn(grid);
    EXPECT_EQ(QColor(before.pixel(inner.topLeft())), grid.palette().button().color());
    EXPECT_GT(grid.verticalScrollBar()->maximum(), 0);
    const std::tuple<Qt::Key, int, QScrollBar*, QRect> ways[] = {
        {Qt::Key_Right, grid.cols(), grid.horizontalScrollBar(), QRect(inner.topLeft(), cells.bottomLeft())},
        {Qt::Key_Down, grid.rows(), grid.verticalScrollBar(), QRect(inner.topLeft(), cells.topRight())}};
    for (const auto& [key, count, bar, strip] : ways) {
        for (int i = 1; i < count; ++i)
            QTest::keyClick(&grid, key);
        const QImage after = Drawn(grid);
        EXPECT_EQ(bar->value(), bar->maximum());
        EXPECT_EQ(after.copy(strip.adjusted(0, 0, -1, -1)), before.copy(strip.adjusted(0, 0, -1, -1)));
        ExpectHeadersLevel(after, grid);
        expectWholeCells();
        before = after;
    }
    grid.setCurrentCell(1, 1);
    for (QScrollBar* bar : {grid.horizontalScrollBar(), grid.verticalScrollBar()})
        bar->setValue(bar->maximum());
    expectWholeCells();
    grid.setCurrentCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    const QSize size = grid.size(), half = grid.visualRect(grid.currentIndex()).size() / 2;
    for (const QSize& resized : {size, size - half, size + half, size}) {
        grid.resize(resized);
        Drawn(grid);
        expectWholeCells();
    }
    QTest::keyClicks(&grid, grid.cellText(0, grid.cols() - 1).left(1)); // its header's first letter
    EXPECT_EQ(grid.currentIndex(), grid.model()->index(grid.rows() - 1, grid.cols() - 1));
    EXPECT_TRUE(grid.viewport()->rect().contains(grid.visualRect(grid.currentIndex())));
}

} // namespace talvo::test
