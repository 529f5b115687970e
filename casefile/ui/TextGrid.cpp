#include "casefile/ui/TextGrid.h"

#include "casefile/core/ResultsGrids.h"
#include "platform/core/Twips.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>

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

// The offset at which the value-th shown section starts: where a view that scrolls by whole cells stands.
int offsetOfShownSection(const QHeaderView& header, int value)
{
    int shown = 0;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int logical = header.logicalIndex(visual);
        if (!header.isSectionHidden(logical) && shown++ == value)
            return header.sectionPosition(logical);
    }
    return 0;
}

// A header's offset moves no cells already drawn: the view draws them again.
void setOffsets(QTableView& view, int left, int top)
{
    if (view.horizontalHeader()->offset() == left && view.verticalHeader()->offset() == top)
        return;
    view.horizontalHeader()->setOffset(left);
    view.verticalHeader()->setOffset(top);
    view.viewport()->update();
}

} // namespace

// A view that draws part of the headers; it measures rows for the grid. It stands at the grid's offsets in the
// directions it follows, whatever its own geometry work would set.
class FixedView final : public QTableView
{
public:
    FixedView(TextGrid* grid, Qt::Orientations follows) : QTableView(grid), grid_(grid), follows_(follows) {}
    using QTableView::sizeHintForRow;

    void takeOffsets()
    {
        setOffsets(*this, follows_ & Qt::Horizontal ? grid_->horizontalHeader()->offset() : 0,
                   follows_ & Qt::Vertical ? grid_->verticalHeader()->offset() : 0);
    }

protected:
    void updateGeometries() override
    {
        QTableView::updateGeometries();
        takeOffsets();
    }
    void scrollContentsBy(int dx, int dy) override
    {
        QTableView::scrollContentsBy(dx, dy);
        takeOffsets();
    }

private:
    TextGrid* grid_;
    Qt::Orientations follows_;
};

TextGrid::TextGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    // Tab leaves the grid for the window's next control; the arrow keys move among the cells.
    setTabKeyNavigation(false);
    // By whole cells, so that none stands cut beside the headers.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    fixedRow_ = fixedView("FixedRow", Qt::Horizontal);
    fixedCol_ = fixedView("FixedColumn", Qt::Vertical);
    fixedCorner_ = fixedView("FixedCorner", {});
    setRows(2);
    setCols(2);
}

TextGrid::~TextGrid()
{
    // The fixed views read this grid's headers, and their scroll bars call into it: they go before the rest of it.
    for (FixedView* view : {fixedRow_, fixedCol_, fixedCorner_})
        delete view;
}

FixedView* TextGrid::fixedView(const char* name, Qt::Orientations follows)
{
    auto* view = new FixedView(this, follows);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model());
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->setFrameShape(QFrame::NoFrame);
    view->setFocusPolicy(Qt::NoFocus);
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(true);
    view->setTextElideMode(Qt::ElideNone);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Its scroll range follows a new size later than this view's does: the value is set again then.
    connect(view->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &TextGrid::followScroll);
    connect(view->verticalScrollBar(), &QScrollBar::rangeChanged, this, &TextGrid::followScroll);
    return view;
}

void TextGrid::hideHeadersHere()
{
    if (rowCount() > 0) {
        setRowHidden(0, true);
        fixedCol_->setRowHidden(0, true);
    }
    if (columnCount() > 0) {
        setColumnHidden(0, true);
        fixedRow_->setColumnHidden(0, true);
    }
}

std::array<QTableView*, 4> TextGrid::allViews()
{
    return {this, fixedRow_, fixedCol_, fixedCorner_};
}

void TextGrid::setRowPixels(int row, int pixels)
{
    for (QTableView* view : allViews())
        view->setRowHeight(row, pixels);
    // This view hides the header row, so its height changes none of its own geometry.
    if (row == 0)
        updateGeometries();
}

void TextGrid::setColPixels(int col, int pixels)
{
    for (QTableView* view : allViews())
        view->setColumnWidth(col, pixels);
    if (col == 0)
        updateGeometries();
}

// The corner view hides nothing, so it holds every size.
int TextGrid::rowHeight(int row) const
{
    return fixedCorner_->rowHeight(row);
}

int TextGrid::columnWidth(int col) const
{
    return fixedCorner_->columnWidth(col);
}

void TextGrid::updateGeometries()
{
    if (!fixedCorner_) { // still being built
        QTableWidget::updateGeometries();
        return;
    }
    const int left = columnCount() > 0 ? columnWidth(0) : 0;
    const int top = rowCount() > 0 ? rowHeight(0) : 0;
    if (viewportMargins() != QMargins(left, top, 0, 0))
        setViewportMargins(left, top, 0, 0);
    QTableWidget::updateGeometries();
    const QRect inner = contentsRect();
    const QRect cells = viewport()->geometry();
    fixedCorner_->setGeometry(inner.left(), inner.top(), left, top);
    fixedRow_->setGeometry(cells.left(), inner.top(), cells.width(), top);
    fixedCol_->setGeometry(inner.left(), cells.top(), left, cells.height());
    followScroll();
}

void TextGrid::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    followScroll();
}

// At a bar's maximum Qt lines the last cell up with the far edge, which leaves the first one in view cut beside the
// headers, and a resize keeps an offset whose value stayed: so each offset is set again to the cell its bar's value
// names. The fixed views take these offsets; their bars keep the same values, so that their own work lands there too.
void TextGrid::followScroll()
{
    setOffsets(*this, offsetOfShownSection(*horizontalHeader(), horizontalScrollBar()->value()),
               offsetOfShownSection(*verticalHeader(), verticalScrollBar()->value()));
    fixedRow_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    fixedCol_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    for (FixedView* view : {fixedRow_, fixedCol_})
        view->takeOffsets();
}

bool TextGrid::event(QEvent* event)
{
    // The wheel over a header reaches the grid itself (the fixed views let it through), and a scroll area passes
    // it on unused from there.
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return event->isAccepted();
    }
    return QTableWidget::event(event);
}

void TextGrid::keyboardSearch(const QString& search)
{
    // Typing may find a header's text, but a header cell would stand current out of sight.
    const QModelIndex before = currentIndex();
    QTableWidget::keyboardSearch(search);
    if (currentRow() == 0 || currentColumn() == 0)
        setCurrentIndex(before);
}

void TextGrid::setRows(int rows)
{
    const int old = rowCount();
    setRowCount(rows);
    hideHeadersHere();
    for (int row = old; row < rows; ++row) {
        setRowPixels(row, TwipsToPixels(DefaultRowTwips));
        for (int col = 0; col < columnCount(); ++col)
            styleCell(row, col);
    }
}

void TextGrid::setCols(int cols)
{
    const int old = columnCount();
    setColumnCount(cols);
    hideHeadersHere();
    for (int col = old; col < cols; ++col) {
        setColPixels(col, TwipsToPixels(DefaultColTwips));
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

bool TextGrid::inGrid(int row, int col) const
{
    return row >= 0 && row < rowCount() && col >= 0 && col < columnCount();
}

void TextGrid::setCellText(int row, int col, const QString& text)
{
    if (!inGrid(row, col))
        return;
    cell(row, col).setText(text);
    fitRowToText(row);
}

QString TextGrid::cellText(int row, int col) const
{
    const QTableWidgetItem* found = item(row, col);
    return found ? found->text() : QString();
}

void TextGrid::setCellForeColour(int row, int col, int colour)
{
    if (!inGrid(row, col))
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
    setColPixels(col, TwipsToPixels(twips));
}

int TextGrid::colWidthTwips(int col) const
{
    const auto found = colTwips_.find(col);
    return found != colTwips_.end() ? found->second : DefaultColTwips;
}

void TextGrid::setRowHeightTwips(int row, int twips)
{
    rowTwips_[row] = twips;
    setRowPixels(row, TwipsToPixels(twips));
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
            cell(row, col).setText(content.Text[r][c]);
            setCellForeColour(row, col, content.ForeColour[r][c]);
        }
    }
    setGridFont(content.FontBold, content.FontSize);
    growRowsToText();
}

void TextGrid::fitRowToText(int row)
{
    // A row grows (never shrinks below its stated height) to show its wrapped text whole: our fonts run wider than
    // the ones these sizes were chosen for, and a clipped score word or countermeasure name would be misread.
    setRowPixels(row, std::max(TwipsToPixels(rowHeightTwips(row)), fixedCorner_->sizeHintForRow(row)));
}

void TextGrid::growRowsToText()
{
    for (int row = 0; row < rowCount(); ++row)
        fitRowToText(row);
}

void TextGrid::showEvent(QShowEvent* event)
{
    QTableWidget::showEvent(event);
    // A grid filled while its page was hidden measured its text before it had its place and font on screen.
    growRowsToText();
}

} // namespace talvo
