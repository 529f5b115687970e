#include "tests/mcdm/RankingWindowTest.h"

#include "mcdm/core/ChartContents.h"
#include "mcdm/ui/BarChartPane.h"
#include "mcdm/ui/RankingWindows.h"
#include "platform/ui/WindowPlacement.h"
#include "shell/core/WindowHooks.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QPushButton>
#include <QSet>
#include <QSlider>
#include <QStackedBarSeries>
#include <QTest>

namespace talvo::test {
namespace {

struct DrawnChart
{
    BarChartPane* pane = nullptr;
    QChart* chart = nullptr;
    QAbstractBarSeries* series = nullptr;
    QStringList categories; // squeezed
    QStringList rawCategories;

    QList<QBarSet*> sets() const { return series->barSets(); }
    QStringList setLabels() const
    {
        QStringList labels;
        for (QBarSet* set : sets())
            labels << set->label();
        return labels;
    }
};

// A category label without its markup and blanks: where the lines of a wrapped label break depends on the
// window's width.
QString Squeezed(QString label)
{
    for (const char* markup : {"<br>", "<center>", "</center>", " "})
        label.remove(QString::fromLatin1(markup));
    return label;
}

QStringList Squeezed(const QStringList& labels)
{
    QStringList squeezed;
    for (const QString& label : labels)
        squeezed << Squeezed(label);
    return squeezed;
}

DrawnChart Drawn(QWidget& window, const char* viewName)
{
    DrawnChart drawn;
    drawn.pane = window.findChild<BarChartPane*>(QString::fromLatin1(viewName));
    if (!drawn.pane) {
        ADD_FAILURE() << "no chart " << viewName;
        return drawn;
    }
    drawn.chart = drawn.pane->chart();
    const QList<QAbstractSeries*> series = drawn.chart->series();
    if (series.size() != 1) {
        ADD_FAILURE() << "expected one series";
        return drawn;
    }
    drawn.series = qobject_cast<QAbstractBarSeries*>(series.at(0));
    for (QAbstractAxis* axis : drawn.chart->axes(Qt::Horizontal))
        if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis))
            drawn.rawCategories = categories->categories();
    drawn.categories = Squeezed(drawn.rawCategories);
    return drawn;
}

QColor Colour(int r, int g, int b)
{
    return QColor(r, g, b);
}

class ChartWindows : public RankingWindowTest
{
};

TEST_F(ChartWindows, TheScoreChartGroupsTheCriteriaBarsByCountermeasure)
{
    SetFinalCountermeasures({1, 0, -Third});
    TheAssessment().ScoreMatrix(1, 4) = 2 * Third;
    frmViewScores& window = forms::frmViewScores.get();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Raw Countermeasure / Alternative Scores"));
    const DrawnChart drawn = Drawn(window, "MSChart1");
    ASSERT_TRUE(drawn.series);
    EXPECT_TRUE(qobject_cast<QBarSeries*>(drawn.series));
    EXPECT_EQ(drawn.chart->title(), QStringLiteral("Graph of Alternative/Criteria Scores"));
    EXPECT_EQ(drawn.categories, (QStringList{"A", "B", "C"}));
    ASSERT_EQ(drawn.sets().size(), 10);
    EXPECT_EQ(drawn.setLabels().at(0), QStringLiteral("Soil Erosion and Sedimentation"));
    EXPECT_EQ(drawn.setLabels().at(9), QStringLiteral("Landscape Quality"));
    EXPECT_EQ(drawn.sets().at(0)->color(), Colour(20, 255, 12));
    EXPECT_EQ(drawn.sets().at(1)->color(), Colour(67, 251, 163));
    EXPECT_EQ(drawn.sets().at(2)->color(), Colour(253, 120, 41));
    EXPECT_EQ(drawn.sets().at(6)->color(), Colour(0, 1, 238));
    EXPECT_EQ(drawn.sets().at(4)->count(), 3);
    EXPECT_DOUBLE_EQ(drawn.sets().at(4)->at(1), 0.6666667);
    EXPECT_DOUBLE_EQ(drawn.sets().at(0)->at(2), -0.3333333);
    EXPECT_TRUE(drawn.pane->LegendShown());
    EXPECT_EQ(drawn.pane->LegendLabels(), drawn.setLabels());
    EXPECT_EQ(drawn.pane->LegendColours().at(2), Colour(253, 120, 41));
    const QFont title = drawn.chart->titleFont();
    EXPECT_TRUE(title.bold());
    EXPECT_TRUE(title.underline());
    EXPECT_EQ(title.pointSize(), 18);
}

TEST_F(ChartWindows, ChartColoursComeFromTheAssessment)
{
    SetFinalCountermeasures({1, 0});
    TheAssessment().ChartColours(1) = ChartColourRecord{1, 2, 3};
    const DrawnChart drawn = Drawn(forms::frmViewScores.get(), "MSChart1");
    ASSERT_TRUE(drawn.series);
    EXPECT_EQ(drawn.sets().at(1)->color(), Colour(1, 2, 3));
}

TEST_F(ChartWindows, TheWeightsChartShowsOneBarPerCriterionTheFirstGrey)
{
    for (int j = 0; j < 10; ++j)
        TheAssessment().Criteria(j).Weight = 5;
    TheAssessment().Criteria(3).Weight = 8;
    frmGraphWeights& window = forms::frmGraphWeights.get();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Weights Graph"));
    const DrawnChart drawn = Drawn(window, "MSChart1");
    ASSERT_TRUE(drawn.series);
    EXPECT_TRUE(qobject_cast<QStackedBarSeries*>(drawn.series));
    EXPECT_EQ(drawn.chart->title(), QStringLiteral("Graph of Criteria Weights"));
    EXPECT_FALSE(drawn.pane->LegendShown());
    ASSERT_EQ(drawn.categories.size(), 10);
    EXPECT_EQ(drawn.categories.at(1), QStringLiteral("SoilOrganicMatter"));
    ASSERT_EQ(drawn.sets().size(), 10);
    EXPECT_EQ(drawn.sets().at(0)->color(), Colour(50, 50, 50));
    EXPECT_EQ(drawn.sets().at(1)->color(), Colour(67, 251, 163));
    // Set j carries the weight of criterion j in its own category and nothing elsewhere.
    EXPECT_DOUBLE_EQ(drawn.sets().at(3)->at(3), 8);
    EXPECT_DOUBLE_EQ(drawn.sets().at(3)->at(2), 0);
    EXPECT_DOUBLE_EQ(drawn.sets().at(0)->at(0), 5);
}

TEST_F(ChartWindows, TheRankingChartShowsTheRankingWorstFirst)
{
    SetFinalCountermeasures({0, 0, 0, 0});
    AssessmentState& s = TheAssessment();
    s.MCDMDone = true;
    const int order[] = {2, 0, 3, 1};
    for (int r = 0; r < 4; ++r)
        s.FinalScores(r) = FinalScoreRecord{static_cast<Single>(40 - 10 * r), static_cast<Integer>(order[r])};
    frmGraphResults& window = forms::frmGraphResults.get();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("MCDM Results"));
    window.LoadGraphData(1);
    const DrawnChart drawn = Drawn(window, "MSChartResults");
    ASSERT_TRUE(drawn.series);
    EXPECT_EQ(drawn.chart->title(), QStringLiteral("Ideal Point Analysis"));
    EXPECT_EQ(drawn.chart->titleFont().pointSize(), 14);
    EXPECT_EQ(drawn.categories, (QStringList{"C", "A", "D", "B"}));
    ASSERT_EQ(drawn.sets().size(), 4);
    EXPECT_EQ(drawn.sets().at(0)->color(), Colour(253, 120, 41));
    EXPECT_EQ(drawn.sets().at(1)->color(), Colour(20, 255, 12));
    EXPECT_DOUBLE_EQ(drawn.sets().at(0)->at(0), 40);
    EXPECT_DOUBLE_EQ(drawn.sets().at(3)->at(3), 10);
    EXPECT_TRUE(drawn.pane->LegendShown());
    EXPECT_EQ(drawn.pane->LegendLabels(), (QStringList{"C", "A", "D", "B"}));

    // The chart keeps its copy: a later ranking shows only after the window is loaded again.
    s.FinalScores(0).Score = 99;
    EXPECT_DOUBLE_EQ(Drawn(window, "MSChartResults").sets().at(0)->at(0), 40);
}

TEST_F(ChartWindows, WithoutARankingTheRankingChartShowsZerosUnderTheFirstName)
{
    SetFinalCountermeasures({0, 0, 0});
    frmGraphResults& window = forms::frmGraphResults.get();
    window.LoadGraphData(1);
    const DrawnChart drawn = Drawn(window, "MSChartResults");
    ASSERT_TRUE(drawn.series);
    EXPECT_EQ(drawn.chart->title(), QString());
    // Three categories all named "A": each keeps its own place on the axis.
    ASSERT_EQ(drawn.categories.size(), 3);
    for (int r = 0; r < 3; ++r) {
        EXPECT_TRUE(drawn.categories.at(r).startsWith(QLatin1Char('A')));
        EXPECT_EQ(drawn.sets().at(r)->color(), Colour(20, 255, 12));
        EXPECT_DOUBLE_EQ(drawn.sets().at(r)->at(r), 0);
    }
}

TEST_F(ChartWindows, TheConnectedWindowsOpenWithTheirData)
{
    ConnectRankingWindows();
    for (const QString& name : {RankingWizardWindow, ScoresChartWindow, RankingChartWindow, WeightsChartWindow})
        EXPECT_TRUE(IsWindowConnected(name)) << name.toStdString();

    QWidget mainWindow;
    mainWindow.setObjectName(QStringLiteral("frmMain"));
    mainWindow.show();
    SetFinalCountermeasures({1, 0});
    TheAssessment().MCDMDone = true;
    TheAssessment().FinalScores(0) = FinalScoreRecord{7, 1};
    TheAssessment().FinalScores(1) = FinalScoreRecord{3, 0};
    ShowConnectedWindow(RankingChartWindow);
    ASSERT_TRUE(forms::frmGraphResults.Visible());
    EXPECT_EQ(Drawn(*forms::frmGraphResults.existing(), "MSChartResults").categories, (QStringList{"B", "A"}));

    ShowConnectedWindow(ScoresChartWindow);
    ShowConnectedWindow(WeightsChartWindow);
    ShowConnectedWindow(RankingWizardWindow);
    EXPECT_TRUE(forms::frmViewScores.Visible());
    EXPECT_TRUE(forms::frmGraphWeights.Visible());
    EXPECT_TRUE(forms::frmMCDM.Visible());
    EXPECT_TRUE(messages.texts().isEmpty());
    // Each a window of the main window's own, so it stays in front of it.
    for (QWidget* window :
         {static_cast<QWidget*>(forms::frmViewScores.existing()),
          static_cast<QWidget*>(forms::frmGraphWeights.existing()),
          static_cast<QWidget*>(forms::frmGraphResults.existing()), static_cast<QWidget*>(forms::frmMCDM.existing())})
        EXPECT_TRUE(window->isWindow() && window->parentWidget() == &mainWindow) << window->objectName().toStdString();
    for (const QString& name : {RankingWizardWindow, ScoresChartWindow, RankingChartWindow, WeightsChartWindow})
        ConnectWindow(name, nullptr);
}

// Nineteen countermeasures over a main window: the score chart opens inside the screen, frame and all, at its least
// size too, and every legend entry shows whole at either size (on 800 x 800 here, on 960 x 540 in the small run).
TEST_F(ChartWindows, TheScoreChartFitsItsScreenWithTheWholeLegend)
{
    QWidget mainWindow;
    mainWindow.setObjectName(QStringLiteral("frmMain"));
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    SetFinalCountermeasures({1, 0, -1, 1, 0, -1, 1, 0, -1, 1, 0, -1, 1, 0, -1, 1, 0, -1, 1});
    QWidget& chart = forms::frmViewScores.get();
    PlaceOverMainWindow(chart);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    for (const QSize& size : {chart.size(), chart.minimumSize()}) {
        chart.resize(size);
        QCoreApplication::processEvents();
        EXPECT_TRUE(chart.screen()->availableGeometry().contains(chart.frameGeometry()));
        for (const QLabel* label : chart.findChild<QWidget*>(QStringLiteral("Legend"))->findChildren<QLabel*>())
            EXPECT_TRUE(chart.rect().contains(QRect(label->mapTo(&chart, QPoint()), label->size())) &&
                        label->height() >= label->heightForWidth(label->width()));
    }
}

TEST_F(ChartWindows, ClosingAChartUnloadsItSoTheNextShowingReadsTheDataAgain)
{
    SetFinalCountermeasures({1, 0});
    forms::frmViewScores.Show();
    forms::frmViewScores->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(forms::frmViewScores.Loaded());
    SetFinalCountermeasures({1, 0, 1});
    EXPECT_EQ(Drawn(forms::frmViewScores.get(), "MSChart1").categories.size(), 3);
}

TEST_F(ChartWindows, LongCategoryLabelsWrapToTheirCategory)
{
    SetFinalCountermeasures({1, 0, 1, 0});
    AssessmentState& s = TheAssessment();
    s.FinalCountermeasures(0) = QStringLiteral("Administer AFCF to upland sheep & intensify improved land.");
    forms::frmViewScores.Show();
    frmViewScores& window = forms::frmViewScores.get();
    const DrawnChart drawn = Drawn(window, "MSChart1");
    ASSERT_EQ(drawn.categories.size(), 4);
    EXPECT_EQ(drawn.categories.at(0), QStringLiteral("AdministerAFCFtouplandsheep&amp;intensifyimprovedland."));
    // At the window's width the name breaks between its words only.
    QString raw = drawn.rawCategories.at(0);
    raw.remove(QStringLiteral("<center>")).remove(QStringLiteral("</center>"));
    const QStringList lines = raw.split(QStringLiteral("<br>"));
    EXPECT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(QLatin1Char(' ')),
              QStringLiteral("Administer AFCF to upland sheep &amp; intensify improved land."));
    const QFontMetrics metrics(QApplication::font());
    EXPECT_EQ(WrappedCategoryLabel(QStringLiteral("a b"), metrics, 1000), QStringLiteral("<center>a b</center>"));
    const QString name = QStringLiteral("Administer AFCF to upland sheep and intensify improved land.");
    for (int width : {1, metrics.horizontalAdvance(QStringLiteral("Admin")), metrics.horizontalAdvance(name) / 3}) {
        SCOPED_TRACE(width);
        QString html = WrappedCategoryLabel(name, metrics, width);
        ASSERT_TRUE(html.startsWith(QStringLiteral("<center>")) && html.endsWith(QStringLiteral("</center>")));
        const QStringList pieces = html.mid(8, html.size() - 17).split(QStringLiteral("<br>"));
        EXPECT_GT(pieces.size(), 2);
        for (const QString& piece : pieces)
            EXPECT_TRUE(piece.size() == 1 || metrics.horizontalAdvance(piece) <= width) << piece.toStdString();
        EXPECT_EQ(pieces.join(QString()).remove(QLatin1Char(' ')), QString(name).remove(QLatin1Char(' ')));
    }
}

TEST(DistinctCategoryLabels, RepeatedAndNullLabelsKeepTheirPlaces)
{
    const QStringList labels = DistinctCategoryLabels({QStringLiteral("A"), QString(), QStringLiteral("A"), QString()});
    ASSERT_EQ(labels.size(), 4);
    EXPECT_EQ(labels.at(0), QStringLiteral("A"));
    EXPECT_FALSE(labels.at(1).isNull());
    EXPECT_EQ(labels.at(2).trimmed().left(1), QStringLiteral("A"));
    EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), 4);
}

class ThresholdDialog : public RankingWindowTest
{
};

TEST_F(ThresholdDialog, OKTurnsTheSlidersIntoLevels)
{
    frmGetThresholds& dialog = forms::frmGetThresholds.get();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Threshold Levels"));
    auto* concordance = Control<QSlider>(dialog, QStringLiteral("SliderConcordance"));
    auto* discordance = Control<QSlider>(dialog, QStringLiteral("SliderDiscordance"));
    ASSERT_TRUE(concordance && discordance);
    EXPECT_EQ(concordance->value(), 14);
    EXPECT_EQ(discordance->value(), 6);
    EXPECT_EQ(concordance->maximum(), 20);
    EXPECT_EQ(frmGetThresholds::ConcordanceLevel(), 0);

    dialog.CommandOK_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(forms::frmGetThresholds.Loaded());
    EXPECT_FLOAT_EQ(frmGetThresholds::ConcordanceLevel(), 0.7F);
    EXPECT_FLOAT_EQ(frmGetThresholds::DiscordanceLevel(), 0.3F);

    frmGetThresholds& again = forms::frmGetThresholds.get();
    Control<QSlider>(again, QStringLiteral("SliderConcordance"))->setValue(20);
    Control<QSlider>(again, QStringLiteral("SliderDiscordance"))->setValue(1);
    Control<QPushButton>(again, QStringLiteral("CommandOK"))->click();
    EXPECT_FLOAT_EQ(frmGetThresholds::ConcordanceLevel(), 1.0F);
    EXPECT_FLOAT_EQ(frmGetThresholds::DiscordanceLevel(), 0.05F);

    // The outranking takes the chosen levels as its thresholds.
    SetFinalCountermeasures({1, 0});
    AssessmentState& s = TheAssessment();
    ASSERT_TRUE(ConcordanceDiscordance(s, TheRankingSession().Workspace, 2, TheRankingSession().Thresholds));
    EXPECT_FLOAT_EQ(s.ConcordanceThreshold, 1.0F);
    EXPECT_FLOAT_EQ(s.DiscordanceThreshold, 0.05F);
}

} // namespace
} // namespace talvo::test
