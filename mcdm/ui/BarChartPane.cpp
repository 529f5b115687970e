#include "mcdm/ui/BarChartPane.h"

#include "platform/ui/WindowPlacement.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QPen>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <memory>

namespace talvo {
namespace {

constexpr int LegendColumns = 2;
// Room the value axis and the margins take from the width of the plot.
constexpr int PlotMargin = 110;
constexpr int MinimumLabelPointSize = 6;
// The chart's height when its window opens, and the least it keeps where a short screen leaves the legend no room.
constexpr int OpeningChartHeight = 440;
constexpr int ChartHeightFloor = 220;

QColor toColor(const ChartColourRecord& colour)
{
    return QColor(colour.Red, colour.Green, colour.Blue);
}

QFont titleFont(int pointSize)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setUnderline(true);
    font.setPointSize(pointSize);
    return font;
}

} // namespace

QStringList DistinctCategoryLabels(const QStringList& labels)
{
    QStringList distinct;
    for (const QString& label : labels) {
        QString candidate = label.isNull() ? QStringLiteral("") : label;
        while (distinct.contains(candidate))
            candidate += QChar(0x200B); // zero width space
        distinct << candidate;
    }
    return distinct;
}

QString WrappedCategoryLabel(const QString& label, const QFontMetrics& metrics, int width)
{
    // A word wider than the bar is cut into pieces that fit.
    QStringList words;
    for (const QString& word : label.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString rest = word;
        while (rest.size() > 1 && metrics.horizontalAdvance(rest) > width) {
            qsizetype fits = 1;
            while (fits + 1 < rest.size() && metrics.horizontalAdvance(rest.left(fits + 1)) <= width)
                ++fits;
            words << rest.left(fits);
            rest = rest.mid(fits);
        }
        words << rest;
    }
    QStringList lines;
    QString line;
    for (const QString& word : words) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    // The invisible characters that keep a repeated label distinct stay on its last line.
    QString trailing;
    for (qsizetype i = label.size(); i > 0 && label.at(i - 1) == QChar(0x200B); --i)
        trailing += QChar(0x200B);
    if (!lines.last().endsWith(trailing))
        lines.last() += trailing;
    for (QString& text : lines)
        text = text.toHtmlEscaped();
    return QStringLiteral("<center>") + lines.join(QStringLiteral("<br>")) + QStringLiteral("</center>");
}

BarChartPane::BarChartPane(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    view_ = new QChartView(this);
    view_->setObjectName(QStringLiteral("ChartView"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumHeight(ChartHeightFloor);
    legend_ = new QWidget(this);
    legend_->setObjectName(QStringLiteral("Legend"));
    legendGrid_ = new QGridLayout(legend_);
    legendGrid_->setContentsMargins(24, 0, 24, 12);
    legendGrid_->setHorizontalSpacing(18);
    legendGrid_->setVerticalSpacing(4);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_, 1);
    layout->addWidget(legend_);
}

QChart* BarChartPane::chart() const
{
    return view_->chart();
}

BarChartPane* BarChartPane::SetUpChartWindow(QWidget& window, const QString& windowName, const QString& title,
                                             const QString& chartName)
{
    window.setObjectName(windowName);
    window.setWindowTitle(title);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.resize(900, 620);
    auto* pane = new BarChartPane(&window);
    pane->setObjectName(chartName);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pane);
    return pane;
}

void BarChartPane::ShowContentsInWindow(const ChartContents& contents)
{
    ShowContents(contents);
    QWidget* top = window();
    // No larger than the screen: the least width is one at which the whole legend fits below a chart at its floor.
    const QSize room = RoomOver(MainWindow());
    int least = std::min(top->minimumSizeHint().width(), room.width());
    for (int most = room.width(); least < most;) {
        const int width = (least + most) / 2;
        if (ChartHeightFloor + legendHeight(width) > room.height())
            least = width + 1;
        else
            most = width;
    }
    top->setMinimumSize(least, std::min(ChartHeightFloor + legendHeight(least), room.height()));
    top->resize(QSize(top->width(), std::max(top->height(), NeededHeight(top->width()))).boundedTo(room));
}

int BarChartPane::NeededHeight(int width) const
{
    return OpeningChartHeight + legendHeight(width);
}

int BarChartPane::legendHeight(int width) const
{
    if (legend_->isHidden())
        return 0;
    legendGrid_->activate();
    const int height = legend_->heightForWidth(width);
    return height > 0 ? height : legend_->sizeHint().height();
}

QStringList BarChartPane::LegendLabels() const
{
    QStringList labels;
    for (const QLabel* label : legendLabels_)
        labels << label->text();
    return labels;
}

QList<QColor> BarChartPane::LegendColours() const
{
    return legendColours_;
}

bool BarChartPane::LegendShown() const
{
    return !legend_->isHidden();
}

void BarChartPane::ShowContents(const ChartContents& contents)
{
    auto chart = std::make_unique<QChart>();
    chart->setTitle(contents.Title);
    chart->setTitleFont(titleFont(contents.TitlePointSize));
    chart->setTitleBrush(Qt::black);
    // The pane's own legend replaces the chart's, which cuts long names short.
    chart->legend()->setVisible(false);

    QAbstractBarSeries* series = nullptr;
    if (contents.OneBarPerCategory)
        series = new QStackedBarSeries();
    else
        series = new QBarSeries();
    for (const ChartSeries& bars : contents.Series) {
        auto* set = new QBarSet(bars.Label);
        for (double value : bars.Values)
            set->append(value);
        series->append(set);
    }
    chart->addSeries(series);
    // After addSeries: adding a series gives its sets the theme's colours.
    const QList<QBarSet*> sets = series->barSets();
    for (qsizetype i = 0; i < sets.size(); ++i) {
        sets.at(i)->setColor(toColor(contents.Series.at(i).Colour));
        // No border: the empty bars of a one-bar-per-category chart would show as lines.
        sets.at(i)->setPen(QPen(Qt::NoPen));
    }

    categoryAxis_ = new QBarCategoryAxis();
    categoryAxis_->setTruncateLabels(false);
    labelFont_ = categoryAxis_->labelsFont();
    categoryAxis_->setTitleText(contents.CategoryTitle);
    categories_ = DistinctCategoryLabels(contents.Categories);
    chart->addAxis(categoryAxis_, Qt::AlignBottom);

    auto* values = new QValueAxis();
    values->setRange(contents.AxisMinimum, contents.AxisMaximum);
    values->applyNiceNumbers();
    values->setLabelFormat(values->max() - values->min() > 4 ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);

    QChart* previous = view_->chart();
    view_->setChart(chart.release());
    delete previous;
    wrapCategories();
    series->attachAxis(categoryAxis_);
    fillLegend(contents);
}

void BarChartPane::wrapCategories()
{
    if (!categoryAxis_ || categories_.isEmpty())
        return;
    const int width = std::max(1, static_cast<int>((view_->width() - PlotMargin) / categories_.size()) - 8);
    // A smaller type while a word is wider than its bar.
    QFont font = labelFont_;
    for (int size = labelFont_.pointSize(); size > MinimumLabelPointSize; --size) {
        const QFontMetrics metrics(font);
        int longestWord = 0;
        for (const QString& label : categories_)
            for (const QString& word : label.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                longestWord = std::max(longestWord, metrics.horizontalAdvance(word));
        if (longestWord <= width)
            break;
        font.setPointSize(size - 1);
    }
    categoryAxis_->setLabelsFont(font);
    const QFontMetrics metrics(font);
    QStringList wrapped;
    for (const QString& label : categories_)
        wrapped << WrappedCategoryLabel(label, metrics, width);
    categoryAxis_->setCategories(wrapped);
}

void BarChartPane::fillLegend(const ChartContents& contents)
{
    qDeleteAll(legend_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    legendLabels_.clear();
    legendColours_.clear();
    legend_->setVisible(contents.LegendVisible);
    if (!contents.LegendVisible)
        return;
    QFont font = legend_->font();
    font.setPointSize(12);
    for (qsizetype i = 0; i < contents.Series.size(); ++i) {
        const QColor colour = toColor(contents.Series.at(i).Colour);
        auto* swatch = new QFrame(legend_);
        swatch->setFixedSize(14, 14);
        swatch->setFrameShape(QFrame::Box);
        swatch->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;").arg(colour.name()));
        auto* label = new QLabel(contents.Series.at(i).Label, legend_);
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        QPalette black = label->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(black);
        auto* entry = new QWidget(legend_);
        auto* line = new QHBoxLayout(entry);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(6);
        swatch->setParent(entry);
        label->setParent(entry);
        line->addWidget(swatch, 0, Qt::AlignVCenter);
        line->addWidget(label, 1);
        legendGrid_->addWidget(entry, static_cast<int>(i / LegendColumns), static_cast<int>(i % LegendColumns));
        // Shown now, not later by the layout, so that the legend's height counts at once.
        entry->show();
        legendLabels_ << label;
        legendColours_ << colour;
    }
    for (int column = 0; column < LegendColumns; ++column)
        legendGrid_->setColumnStretch(column, 1);
}

void BarChartPane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    wrapCategories();
}

} // namespace talvo
