#include "casefile/ui/frmTALVOfile.h"
#include "casefile/core/EvaluationFile.h"
#include "casefile/core/EvaluationFileApply.h"
#include "casefile/ui/ResultsTextBox.h"
#include "casefile/ui/TextGrid.h"
#include "casefile/ui/frmEditScores.h"
#include "tests/casefile/CaseFileTestSupport.h"
#include "tests/casefile/GridDrawing.h"
#include "tests/casefile/WidgetTestSupport.h"
#include "tests/support/RecordingSeams.h"

#include "platform/core/Twips.h"
#include "platform/core/WholeFile.h"
#include "platform/ui/QtSeams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

#include <sys/resource.h>

using namespace talvo;
using namespace talvo::test;

namespace {

class ResultsWindow : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString copyGolden(const char* name)
    {
        const QString target = path(QString::fromLatin1(name));
        QFile::remove(target);
        EXPECT_TRUE(QFile::copy(TestDataPath(QString::fromLatin1(name)), target));
        return target;
    }

    frmTALVOfile& window() { return forms::frmTALVOfile.get(); }
    template <typename T> T* control(const char* name)
    {
        T* found = window().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) { return control<ResultsTextBox>(name)->text(); }
    QString caption(const char* name) { return control<QLabel>(name)->text(); }
    QString write(const QString& name, const QByteArray& bytes, qint64 size = -1) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                    (size < 0 || file.resize(size)));
        return file.fileName();
    }

    QTemporaryDir dir_;
    RecordingMessageSeam messages_;
};

TEST_F(ResultsWindow, TabsCarryTheirExactCaptions)
{
    auto* tabs = control<QTabWidget>("SSTabResultsFile");
    const QStringList expected{QStringLiteral("Available Countermeasures"),
                               QStringLiteral("Assessment Criteria"),
                               QStringLiteral(" Limitation Information"),
                               QStringLiteral("Countermeasure Scores"),
                               QStringLiteral("Assessment Criteria Weights"),
                               QStringLiteral("Ideal Values"),
                               QStringLiteral("Ideal Point Analysis Results"),
                               QStringLiteral("Economic Information"),
                               QStringLiteral("Farm Level Cost Benefit Analysis Results ")};
    ASSERT_EQ(tabs->count(), expected.size());
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(tabs->tabText(i), expected[i]);
    EXPECT_EQ(tabs->widget(7)->findChild<QLabel*>(QStringLiteral("LabelPUsed"))->text(), QStringLiteral("P Used = "));
    EXPECT_EQ(caption("LabelResultsFileTitle"), QStringLiteral("TALVO Results File"));
    EXPECT_EQ(caption("LabelDepositionSelected"), QStringLiteral("Deposition Scenario Modelled:"));
    EXPECT_EQ(caption("LabelFarmType"), QStringLiteral("Farm Type Modelled:"));
    EXPECT_EQ(caption("LabelLastModified"), QStringLiteral("Last Modified: "));
    // Both grids wait hidden and disabled until they are filled.
    for (const char* name : {"MSFlexGridCountermeasureScores", "MSFlexGridCostBenefit"}) {
        EXPECT_TRUE(control<TextGrid>(name)->isHidden()) << name;
        EXPECT_FALSE(control<TextGrid>(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(control<ResultsTextBox>("RichTextBoxCountermeasureList")->isReadOnly());
}

TEST_F(ResultsWindow, OpeningAFileFillsTextsAndGrids)
{
    ASSERT_TRUE(window().OpenTALVOfile(copyGolden("both.tlv")));
    EXPECT_TRUE(messages_.shown().empty());
    EXPECT_EQ(caption("LabelDepositionSelectedName"), QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241"));
    EXPECT_EQ(caption("LabelFarmTypeSelectedName"), QStringLiteral("Sheep on Lowland Farm"));
    EXPECT_EQ(caption("LabelLastModified"),
              LastModifiedCaption(QFileInfo(path(QStringLiteral("both.tlv"))).lastModified()));
    EXPECT_EQ(caption("LabelPUsed"), QStringLiteral("P Used = 2"));
    EXPECT_TRUE(text("RichTextBoxCountermeasureList").startsWith(QStringLiteral("Lime the soil")));
    EXPECT_TRUE(text("RichTextBoxIdealPtResults").startsWith(QStringLiteral("Administer AFCF")));
    EXPECT_TRUE(text("RichTextBoxAssessmentCriteria").startsWith(QStringLiteral("\r\nSoil Erosion")));

    auto* scores = control<TextGrid>("MSFlexGridCountermeasureScores");
    EXPECT_TRUE(scores->isEnabled());
    EXPECT_FALSE(scores->isHidden());
    EXPECT_EQ(scores->rows(), 11);
    EXPECT_EQ(scores->cols(), 4);
    EXPECT_EQ(scores->cellText(0, 0), QStringLiteral("Criteria/Countermeasure"));
    EXPECT_EQ(scores->cellText(0, 1), QStringLiteral("Lime the soil of the lowland sheep farm."));
    EXPECT_EQ(scores->cellText(2, 0), QStringLiteral("Soil Organic Matter"));
    EXPECT_EQ(scores->cellText(2, 1), QStringLiteral("Moderately Decreases"));
    EXPECT_EQ(scores->colWidthTwips(0), 2500);
    EXPECT_EQ(scores->colWidthTwips(1), 1700);
    EXPECT_EQ(scores->rowHeightTwips(0), 900);
    EXPECT_GE(scores->rowHeight(0), TwipsToPixels(900));
    EXPECT_EQ(scores->columnWidth(0), TwipsToPixels(2500));
    EXPECT_FALSE(scores->fontBold());
    EXPECT_EQ(scores->fontSize(), 8.0);

    auto* costs = control<TextGrid>("MSFlexGridCostBenefit");
    EXPECT_TRUE(costs->isEnabled());
    EXPECT_EQ(costs->rows(), 4);
    EXPECT_EQ(costs->cellText(0, 3), QStringLiteral("Summary"));
    EXPECT_EQ(costs->cellText(1, 1), QStringLiteral("\u00A3 876"));
    EXPECT_EQ(costs->cellText(1, 3), QStringLiteral("\u00A3 66924"));
    EXPECT_EQ(costs->cellForeColour(1, 3), 0);
    EXPECT_EQ(costs->cellText(2, 3), QStringLiteral("\u00A3 -1500"));
    EXPECT_EQ(costs->cellForeColour(2, 3), 255);
    EXPECT_EQ(costs->rowHeightTwips(1), 600);
    EXPECT_EQ(costs->rowHeight(1), TwipsToPixels(600));
}

// A snapshot of everything a failed open must leave alone.
struct Snapshot
{
    QByteArray assessment;
    QString casePath;
    QStringList texts;
    bool operator==(const Snapshot&) const = default;
};

TEST_F(ResultsWindow, BadFilesChangeNothingAndNameTheLine)
{
    ASSERT_TRUE(window().OpenTALVOfile(copyGolden("ranking.tlv")));
    TheAssessment().CaseFilePath = QStringLiteral("/somewhere/held.tlv");
    TheAssessment().LimitationQuestions(33).AnswerText = QStringLiteral("Swedes");
    auto snapshot = [this] {
        EvaluationFileContent content;
        EXPECT_TRUE(ContentFromState(TheAssessment(), content, nullptr));
        QStringList texts;
        for (auto* box : window().findChildren<ResultsTextBox*>())
            texts << box->text();
        for (auto* label : window().findChildren<QLabel*>())
            texts << label->text();
        auto* grid = control<TextGrid>("MSFlexGridCountermeasureScores");
        for (int r = 0; r < grid->rows(); ++r)
            for (int c = 0; c < grid->cols(); ++c)
                texts << grid->cellText(r, c);
        texts << TheAssessment().LimitationQuestions(33).AnswerText;
        return Snapshot{EncodeEvaluationFile(content), TheAssessment().CaseFilePath, texts};
    };
    const Snapshot before = snapshot();

    QByteArray truncated = ReadTestData(QStringLiteral("both.tlv")).left(300);
    QByteArray count25 = ReadTestData(QStringLiteral("neither.tlv"));
    count25.replace("\"Sheep on Lowland Farm\"\r\n3\r\n", "\"Sheep on Lowland Farm\"\r\n25\r\n");
    QByteArray word = ReadTestData(QStringLiteral("neither.tlv"));
    word.replace("\r\n-.6666667\r\n", "\r\nNo Effect\r\n");
    QByteArray binary(300, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 7);
    QByteArray withNul = ReadTestData(QStringLiteral("neither.tlv")), controls = withNul;
    withNul.replace("\r\n10\r\n", QByteArray("\r\n1\0\r\n", 6));
    controls.replace("\r\n3\r\n", "\r\n\x89PNG\x1a\x7f\xe9\r\n");
    const QString notOurs =
        QStringLiteral("\"%1\" is not a TalvoDSS evaluation file.").arg(path(QStringLiteral("bad.tlv")));
    const std::pair<QByteArray, QString> cases[] = {{truncated, QStringLiteral("line ")},
                                                    {count25, QStringLiteral("Line 3 ")},
                                                    {word, QStringLiteral("Line 9 ")},
                                                    {QByteArray(), notOurs},
                                                    {binary, notOurs},
                                                    {withNul, notOurs},
                                                    {"\x89PNG\r\n\x1a\n\"IHDR\"\r\n", notOurs},
                                                    {controls, QStringLiteral("holds \"\\x89PNG\\x1A\\x7F\u00e9\".")}};
    for (const auto& [bytes, named] : cases) {
        QFile file(path(QStringLiteral("bad.tlv")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        messages_.clear();
        EXPECT_FALSE(window().OpenTALVOfile(file.fileName()));
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_TRUE(messages_.shown()[0].text.contains(named, Qt::CaseInsensitive))
            << messages_.shown()[0].text.toStdString();
        EXPECT_TRUE(before == snapshot()) << named.toStdString();
    }

    messages_.clear();
    EXPECT_FALSE(window().OpenTALVOfile(path(QStringLiteral("missing.tlv"))));
    EXPECT_EQ(messages_.shown().size(), 1u);
    EXPECT_TRUE(before == snapshot());
}

TEST_F(ResultsWindow, SavesInTheWritersFormAndReopensUnchanged)
{
    ASSERT_TRUE(window().OpenTALVOfile(copyGolden("both.tlv")));
    const QString saved = path(QStringLiteral("saved.tlv"));
    ASSERT_TRUE(window().SaveTALVOfile(saved));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), ReadTestData(QStringLiteral("both.tlv")));
}

// A failed write (here the disk refuses the flush) reports itself and leaves the old file as it was.
TEST_F(ResultsWindow, FailedSaveKeepsTheOldFile)
{
    ASSERT_TRUE(window().OpenTALVOfile(copyGolden("neither.tlv")));
    const QString target = path(QStringLiteral("case.tlv"));
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old content");
    }
    messages_.clear();
    const auto flush = std::exchange(TheWholeFileCalls().fdatasync, [](int) { return errno = ENOSPC, -1; });
    EXPECT_FALSE(window().SaveTALVOfile(target));
    TheWholeFileCalls().fdatasync = flush;
    EXPECT_EQ(messages_.shown().size(), 1u);
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old content"));

    messages_.clear();
    EXPECT_FALSE(window().SaveTALVOfile(path(QStringLiteral("no/such/folder/file.tlv"))));
    EXPECT_EQ(messages_.shown().size(), 1u);
    EXPECT_FALSE(window().ExportTALVOfileAsText(path(QStringLiteral("no/such/folder/report.txt"))));
}

TEST_F(ResultsWindow, ExportWritesTheReportFromTheWindowsTexts)
{
    ASSERT_TRUE(window().OpenTALVOfile(copyGolden("ranking.tlv")));
    window().SetLimitationsInformationText(QStringLiteral("Limitation line\r\n"));
    const QString report = path(QStringLiteral("report.txt"));
    ASSERT_TRUE(window().ExportTALVOfileAsText(report));
    QFile file(report);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nLimitation line\r\n\r\n\r\n\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nAdminister AFCF to lowland sheep and fatten on clean roughage    "
                                             "(Score =  0.3333333)\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("P Value =   2\r\n")));
}

TEST_F(ResultsWindow, WizardsWriteThroughItsProcedures)
{
    window().SetCriteriaWeightsText(QStringLiteral("5\tSoil Erosion and Sedimentation\r\n"));
    window().SetIdealPtIdealsText(QStringLiteral("\r\n1\tSoil Erosion and Sedimentation"));
    window().SetIdealPtResultsText(QStringLiteral("\r\n   Deep plough.  (Score =0.57)"));
    window().SetPUsedCaption(QStringLiteral("P Used = 3"));
    window().SetEconomicInformationText(QStringLiteral("\r\nQ\t1"));
    EXPECT_EQ(text("RichTextBoxCriteriaWeights"), QStringLiteral("5\tSoil Erosion and Sedimentation\r\n"));
    EXPECT_EQ(control<ResultsTextBox>("RichTextBoxCriteriaWeights")->toPlainText(),
              QStringLiteral("5\tSoil Erosion and Sedimentation\n"));
    EXPECT_EQ(text("RichTextBoxIdealPtResults"), QStringLiteral("\r\n   Deep plough.  (Score =0.57)"));
    EXPECT_EQ(caption("LabelPUsed"), QStringLiteral("P Used = 3"));
    EXPECT_EQ(text("RichTextBoxEconomicInformation"), QStringLiteral("\r\nQ\t1"));

    AssessmentState& state = TheAssessment();
    state.NumberOfCountermeasures = 1;
    state.FinalCountermeasures(0) = QStringLiteral("Deep plough.");
    state.EconomicResults(0) = {0, 500, 200};
    window().FillCostBenefitGrid();
    auto* grid = control<TextGrid>("MSFlexGridCostBenefit");
    EXPECT_FALSE(grid->isHidden());
    EXPECT_EQ(grid->cellText(1, 3), QStringLiteral("\u00A3 -300"));
    EXPECT_EQ(grid->cellForeColour(1, 3), 255);
}

// Reaching the window never makes a second one; unloading discards its texts, and the next use starts fresh.
TEST_F(ResultsWindow, UnloadingResetsIt)
{
    frmTALVOfile* first = &window();
    EXPECT_EQ(&window(), first);
    window().SetPUsedCaption(QStringLiteral("P Used = 4"));
    forms::frmTALVOfile.Unload();
    processDeletes();
    EXPECT_FALSE(forms::frmTALVOfile.Loaded());
    EXPECT_EQ(caption("LabelPUsed"), QStringLiteral("P Used = "));
}

// Below 5000 twips of width (7000 of height) a resize keeps the sizes in that direction.
TEST_F(ResultsWindow, ResizeFollowsTheWindowAboveItsLimits)
{
    window().show();
    auto* tabs = control<QTabWidget>("SSTabResultsFile");
    window().resize(TwipsToPixels(9000), TwipsToPixels(9000));
    EXPECT_EQ(tabs->width(), TwipsToPixels(9000 - 750));
    EXPECT_EQ(tabs->height(), TwipsToPixels(9000 - 2700));
    const int wideWidth = tabs->width();
    window().resize(TwipsToPixels(4500), TwipsToPixels(8000));
    EXPECT_EQ(tabs->width(), wideWidth);
    EXPECT_EQ(tabs->height(), TwipsToPixels(8000 - 2700));
    window().resize(TwipsToPixels(6000), TwipsToPixels(6000));
    EXPECT_EQ(tabs->width(), TwipsToPixels(6000 - 750));
    EXPECT_EQ(tabs->height(), TwipsToPixels(8000 - 2700));
    EXPECT_EQ(control<TextGrid>("MSFlexGridCostBenefit")->width(), TwipsToPixels(6000 - 1550));
    EXPECT_EQ(control<ResultsTextBox>("RichTextBoxIdealPtResults")->width(), TwipsToPixels(6000 - 1800));
    EXPECT_EQ(control<ResultsTextBox>("RichTextBoxCountermeasureList")->width(), TwipsToPixels(6000 - 1450));
}

// Both grids after a tab switch and a resize that leaves them smaller than their cells.
TEST_F(ResultsWindow, GridsKeepTheirHeadersInViewLevelWithTheirCells)
{
    ASSERT_TRUE(window().OpenTALVOfile(copyGolden("economics.tlv")));
    window().show();
    window().resize(TwipsToPixels(6000), TwipsToPixels(7200));
    for (const char* name : {"MSFlexGridCostBenefit", "MSFlexGridCountermeasureScores"}) {
        auto* grid = control<TextGrid>(name);
        control<QTabWidget>("SSTabResultsFile")->setCurrentWidget(grid->parentWidget());
        Drawn(*grid);
        EXPECT_GT(grid->horizontalScrollBar()->maximum(), 0) << name;
        ExpectHeadersStayToTheEnds(*grid);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Tab);
        EXPECT_NE(window().focusWidget(), grid) << name;
    }
    // Through the window, as the pointer goes: the score cell seen is the one edited.
    auto* scores = control<TextGrid>("MSFlexGridCountermeasureScores");
    const QPoint cell = scores->viewport()->mapTo(&window(), scores->visualRect(scores->currentIndex()).center());
    QTest::mouseDClick(window().windowHandle(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(std::pair(window().EditRow(), window().EditCol()), std::pair(10, 3));
}

// The pixels of a colour that no style draws.
long marked(QWidget& widget)
{
    const QImage drawn = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(drawn.constBits());
    return std::count(pixels, pixels + drawn.width() * drawn.height(), qRgb(1, 254, 3));
}

TEST_F(ResultsWindow, MarkupInAFileOrInItsNameIsShownAsText)
{
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(qRgb(1, 254, 3));
    ASSERT_TRUE(picture.save(path(QStringLiteral("pic.png"))));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir_.path()); // where a relative picture is looked for
    QList<QByteArray> lines = ReadTestData(QStringLiteral("both.tlv")).split('\n');
    lines[0] = lines[1] = "\"<img src=pic.png>\"\r";
    ASSERT_TRUE(window().OpenTALVOfile(write(QStringLiteral("markup.tlv"), lines.join('\n'))));
    window().show();
    for (const char* name : {"LabelDepositionSelectedName", "LabelFarmTypeSelectedName"})
        EXPECT_EQ(marked(*window().findChild<QLabel*>(QString::fromLatin1(name))), 0) << name;

    // The box that names such a file, as the program shows it.
    QtMessageSeam boxes;
    SetMessageSeam(&boxes);
    long inBox = -1;
    QTimer::singleShot(0, [&inBox] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            inBox = marked(*box), box->close();
    });
    EXPECT_FALSE(window().OpenTALVOfile(write(QStringLiteral("<img src=pic.png>.tlv"), {})));
    SetMessageSeam(&messages_);
    QDir::setCurrent(previous);
    EXPECT_EQ(inBox, 0);
}

// Run in a child, where an allocation of that size ends only the child: it succeeds when the open is refused and
// the peak memory rose by less than 32 MiB, and prints the message.
[[noreturn]] void openRefusedAndSmall(frmTALVOfile& window, const QString& file, const RecordingMessageSeam& messages)
{
    rusage before{}, after{};
    ::getrusage(RUSAGE_SELF, &before);
    const bool opened = window.OpenTALVOfile(file);
    ::getrusage(RUSAGE_SELF, &after);
    std::fprintf(stderr, "%s\n", qPrintable(messages.texts().join(QLatin1Char('|'))));
    std::_Exit(!opened && after.ru_maxrss - before.ru_maxrss < 32 * 1024 ? 0 : 1);
}

TEST_F(ResultsWindow, AFileLargerThanAnyEvaluationFileIsRefusedUnread)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // Qt runs threads of its own
    const QByteArray good = ReadTestData(QStringLiteral("both.tlv"));
    for (const qint64 size : {qint64(1) << 40, EvaluationFileContent::MaxFileSize + 1}) {
        const QString file = write(QStringLiteral("large.tlv"), good, size); // sparse, or good then empty lines
        EXPECT_EXIT(openRefusedAndSmall(window(), file, messages_), ::testing::ExitedWithCode(0),
                    "could not be opened.\n\nit is larger than 4 MiB, far larger than any evaluation file");
    }
}

TEST_F(ResultsWindow, TheLargestFileTheWriterMakesSavesAndReadsBack)
{
    ASSERT_TRUE(window().OpenTALVOfile(TestDataPath(QStringLiteral("both.tlv"))));
    AssessmentState& state = TheAssessment();
    const QString longest(32767, QLatin1Char('7')); // each answer as long as a text box takes, pasted
    for (int r = 0; r < 42; ++r)
        state.EconomicQuestions(r).AnswerText = state.LimitationQuestions(std::min(r, 32)).AnswerText = longest;
    const QString saved = path(QStringLiteral("largest.tlv"));
    ASSERT_TRUE(window().SaveTALVOfile(saved) && QFileInfo(saved).size() > 2'400'000);
    state = FreshState();
    ASSERT_TRUE(window().OpenTALVOfile(saved) && state.EconomicDone);
    FileDescriptor written; // as the selection's Finish reads its working file back
    ASSERT_TRUE(window().SaveWorkingFile(path(QStringLiteral("tmp.txt")), &written));
    state.LimitationQuestions(32).AnswerText.clear();
    EXPECT_TRUE(window().ReadBackWorkingFile(QStringLiteral("tmp.txt"), std::move(written)));
    EXPECT_TRUE(state.LimitationQuestions(32).AnswerText == longest &&
                state.EconomicQuestions(41).AnswerText == longest);
    EXPECT_TRUE(messages_.shown().empty());

    state.EconomicQuestions(0).AnswerText = QString(EvaluationFileContent::MaxFileSize, QLatin1Char('7'));
    EXPECT_FALSE(window().SaveTALVOfile(saved));
    EXPECT_TRUE(messages_.texts().value(0).endsWith(
        QStringLiteral("larger than 4 MiB, the most an evaluation file may hold.")));
}

} // namespace
