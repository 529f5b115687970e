#include "casefile/ui/TextGrid.h"

#include "casefile/core/ResultsGrids.h"
#include "platform/core/Twips.h"

#include <QHeaderView>

#include <algorithm>

namespace talvo {
namespace {

constexpr int DefaultColTwips = 960;
constexpr int DefaultRowTwips = 240;

QColor fromColourNumber(int colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int toColourNumber(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

} // namespace

TextGrid::TextGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setRows(2);
    setCols(2);
}

void TextGrid::setRows(int rows)
{
    const int old = rowCount();
    setRowCount(rows);
    for (int row = old; row < rows; ++row) {
        QTableView::setRowHeight(row, TwipsToPixels(DefaultRowTwips));
        for (int col = 0; col < columnCount(); ++col)
            styleCell(row, col);
    }
}

void TextGrid::setCols(int cols)
{
    const int old = columnCount();
    setColumnCount(cols);
    for (int col = old; col < cols; ++col) {
        QTableView::setColumnWidth(col, TwipsToPixels(DefaultColTwips));
        for (int row = 0; row < rowCount(); ++row)
            styleCell(row, col);
    }
}

QTableWidgetItem& TextGrid::cell(int row, int col)
{
    if (!item(row, col))
        styleCell(row, col);
    return *item(row, col);
}

void TextGrid::styleCell(int row, int col)
{
    auto* newItem = new QTableWidgetItem();
    const bool fixed = row == 0 || col == 0;
    newItem->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (fixed)
        newItem->setBackground(palette().button());
    newItem->setForeground(Qt::black);
    setItem(row, col, newItem);
}

void TextGrid::setCellText(int row, int col, const QString& text)
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return;
    cell(row, col).setText(text);
}

QString TextGrid::cellText(int row, int col) const
{
    const QTableWidgetItem* found = item(row, col);
    return found ? found->text() : QString();
}

void TextGrid::setCellForeColour(int row, int col, int colour)
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return;
    cell(row, col).setForeground(fromColourNumber(colour));
}

int TextGrid::cellForeColour(int row, int col) const
{
    const QTableWidgetItem* found = item(row, col);
    return found ? toColourNumber(found->foreground().color()) : 0;
}

void TextGrid::setColWidthTwips(int col, int twips)
{
    colTwips_[col] = twips;
    QTableView::setColumnWidth(col, TwipsToPixels(twips));
}

int TextGrid::colWidthTwips(int col) const
{
    const auto found = colTwips_.find(col);
    return found != colTwips_.end() ? found->second : DefaultColTwips;
}

void TextGrid::setRowHeightTwips(int row, int twips)
{
    rowTwips_[row] = twips;
    QTableView::setRowHeight(row, TwipsToPixels(twips));
}

int TextGrid::rowHeightTwips(int row) const
{
    const auto found = rowTwips_.find(row);
    return found != rowTwips_.end() ? found->second : DefaultRowTwips;
}

void TextGrid::setGridFont(bool bold, double pointSize)
{
    QFont gridFont = font();
    gridFont.setBold(bold);
    gridFont.setPointSizeF(pointSize);
    setFont(gridFont);
}

void TextGrid::showContent(const GridContent& content)
{
    clear();
    colTwips_.clear();
    rowTwips_.clear();
    setRowCount(0);
    setColumnCount(0);
    setRows(content.Rows);
    setCols(content.Cols);
    for (const auto& [col, twips] : content.ColWidthTwips)
        setColWidthTwips(col, twips);
    for (const auto& [row, twips] : content.RowHeightTwips)
        setRowHeightTwips(row, twips);
    for (int row = 0; row < content.Rows; ++row) {
        for (int col = 0; col < content.Cols; ++col) {
            const auto r = static_cast<std::size_t>(row);
            const auto c = static_cast<std::size_t>(col);
            setCellText(row, col, content.Text[r][c]);
            setCellForeColour(row, col, content.ForeColour[r][c]);
        }
    }
    setGridFont(content.FontBold, content.FontSize);
    growRowsToText();
}

void TextGrid::growRowsToText()
{
    // A row grows (never shrinks below its stated height) to show its wrapped text whole: our fonts run wider than
    // the ones these sizes were chosen for, and a clipped score word or countermeasure name would be misread.
    for (int row = 0; row < rowCount(); ++row)
        QTableView::setRowHeight(row, std::max(TwipsToPixels(rowHeightTwips(row)), sizeHintForRow(row)));
}

void TextGrid::showEvent(QShowEvent* event)
{
    QTableWidget::showEvent(event);
    // A grid filled while its page was hidden measured its text before it had its place and font on screen.
    growRowsToText();
}

} // namespace talvo
