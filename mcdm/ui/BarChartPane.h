#pragma once

#include "mcdm/core/ChartContents.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <QWidget>

class QBarCategoryAxis;
class QChart;
class QChartView;
class QFontMetrics;
class QGridLayout;
class QLabel;

namespace talvo {

// The chart control of the chart windows: a bar chart with its legend below it. The legend lists every series
// by its full name, and the category labels wrap to the width of their category, because countermeasure and
// criterion names are far longer than a bar is wide.
class BarChartPane : public QWidget
{
    Q_OBJECT

public:
    explicit BarChartPane(QWidget* parent = nullptr);

    // Fills a chart window with one pane: its name, title and size, and deletion on close.
    static BarChartPane* SetUpChartWindow(QWidget& window, const QString& windowName, const QString& title,
                                          const QString& chartName);

    // Draws the contents, replacing what the pane showed.
    void ShowContents(const ChartContents& contents);
    // The same, then makes its window tall enough for the whole legend rather than the chart smaller, as far as the
    // screen allows; below that the chart gives up height, down to a floor, before the legend does.
    void ShowContentsInWindow(const ChartContents& contents);

    QChart* chart() const;
    // The height the pane opens with at this width to show the chart and the whole legend.
    int NeededHeight(int width) const;
    // The legend's entries, in series order (empty while the legend is hidden).
    QStringList LegendLabels() const;
    QList<QColor> LegendColours() const;
    bool LegendShown() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int legendHeight(int width) const;
    void wrapCategories();
    void fillLegend(const ChartContents& contents);

    QChartView* view_ = nullptr;
    QWidget* legend_ = nullptr;
    QGridLayout* legendGrid_ = nullptr;
    QList<QLabel*> legendLabels_;
    QList<QColor> legendColours_;
    QBarCategoryAxis* categoryAxis_ = nullptr;
    QFont labelFont_;
    QStringList categories_;
};

// The chart's category axis takes each label once only: a repeated (or null) label is made distinct by
// invisible characters so that every category keeps its place.
QStringList DistinctCategoryLabels(const QStringList& labels);

// A category label broken into lines no wider than width (a longer word is cut), as the axis shows it: centred
// rich text with <br> between the lines.
QString WrappedCategoryLabel(const QString& label, const QFontMetrics& metrics, int width);

} // namespace talvo
