#pragma once

#include <QTableWidget>

#include <map>

namespace talvo {

struct GridContent;

// A grid of read-only text cells whose first row and first column are fixed headers. Sizes are in twips, text
// colours are colour numbers (0xBBGGRR: 255 is red, 0 black), and one font serves the whole grid.
class TextGrid : public QTableWidget
{
    Q_OBJECT

public:
    explicit TextGrid(QWidget* parent = nullptr);

    void setRows(int rows);
    int rows() const { return rowCount(); }
    void setCols(int cols);
    int cols() const { return columnCount(); }

    void setCellText(int row, int col, const QString& text);
    QString cellText(int row, int col) const;
    void setCellForeColour(int row, int col, int colour);
    int cellForeColour(int row, int col) const;

    void setColWidthTwips(int col, int twips);
    int colWidthTwips(int col) const;
    void setRowHeightTwips(int row, int twips);
    int rowHeightTwips(int row) const;

    void setGridFont(bool bold, double pointSize);
    bool fontBold() const { return font().bold(); }
    double fontSize() const { return font().pointSizeF(); }

    // Replaces everything the grid shows.
    void showContent(const GridContent& content);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void growRowsToText();
    QTableWidgetItem& cell(int row, int col);
    void styleCell(int row, int col);

    std::map<int, int> colTwips_;
    std::map<int, int> rowTwips_;
};

} // namespace talvo
