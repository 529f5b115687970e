#pragma once

#include <QTableWidget>

#include <array>
#include <map>

namespace talvo {

struct GridContent;
class FixedView;

// A grid of read-only text cells whose first row and first column are fixed headers. Sizes are in twips, text
// colours are colour numbers (0xBBGGRR: 255 is red, 0 black), and one font serves the whole grid.
//
// The headers stay rows and columns of the grid, numbered as ever; only their drawing is apart. This view hides
// them and scrolls the other cells in a viewport beside them, so a current or scrolled-to cell is always shown
// whole; three views of the same model, which take neither focus nor clicks, draw the header row, the header
// column and the corner in the margins.
class TextGrid : public QTableWidget
{
    Q_OBJECT

public:
    explicit TextGrid(QWidget* parent = nullptr);
    ~TextGrid() override;

    void setRows(int rows);
    int rows() const { return rowCount(); }
    void setCols(int cols);
    int cols() const { return columnCount(); }

    // A cell's row grows to its new text as a fill grows every row.
    void setCellText(int row, int col, const QString& text);
    QString cellText(int row, int col) const;
    void setCellForeColour(int row, int col, int colour);
    int cellForeColour(int row, int col) const;

    void setColWidthTwips(int col, int twips);
    int colWidthTwips(int col) const;
    void setRowHeightTwips(int row, int twips);
    int rowHeightTwips(int row) const;
    // In pixels, the header row and column included, though this view hides them.
    int rowHeight(int row) const;
    int columnWidth(int col) const;

    void setGridFont(bool bold, double pointSize);
    bool fontBold() const { return font().bold(); }
    double fontSize() const { return font().pointSizeF(); }

    // Replaces everything the grid shows.
    void showContent(const GridContent& content);

protected:
    bool event(QEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void showEvent(QShowEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    FixedView* fixedView(const char* name, Qt::Orientations follows);
    std::array<QTableView*, 4> allViews();
    void hideHeadersHere();
    void setRowPixels(int row, int pixels);
    void setColPixels(int col, int pixels);
    void fitRowToText(int row);
    void growRowsToText();
    void followScroll();
    bool inGrid(int row, int col) const;
    QTableWidgetItem& cell(int row, int col);
    void styleCell(int row, int col);

    FixedView* fixedRow_ = nullptr;
    FixedView* fixedCol_ = nullptr;
    FixedView* fixedCorner_ = nullptr;
    std::map<int, int> colTwips_;
    std::map<int, int> rowTwips_;
};

} // namespace talvo
