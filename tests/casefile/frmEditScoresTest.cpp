#include "casefile/ui/frmEditScores.h"
#include "casefile/ui/TextGrid.h"
#include "casefile/ui/frmTALVOfile.h"
#include "tests/casefile/GridDrawing.h"
#include "tests/casefile/WidgetTestSupport.h"
#include "tests/support/RecordingSeams.h"

#include "tables/core/ScoreScale.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talvo;
using namespace talvo::test;

namespace {

class ScoreEditor : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        file_ = dir_.filePath(QStringLiteral("scores.tlv"));
        ASSERT_TRUE(QFile::copy(TestDataPath(QStringLiteral("neither.tlv")), file_));
        ASSERT_TRUE(forms::frmTALVOfile->OpenTALVOfile(file_));
        grid_ = forms::frmTALVOfile->findChild<TextGrid*>(QStringLiteral("MSFlexGridCountermeasureScores"));
        ASSERT_NE(grid_, nullptr);
    }

    void doubleClick(int row, int col) { emit grid_->cellDoubleClicked(row, col); }
    QComboBox* combo() { return forms::frmEditScores->findChild<QComboBox*>(QStringLiteral("ComboScores")); }
    void click(const char* button)
    {
        forms::frmEditScores->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        processDeletes();
    }

    QTemporaryDir dir_;
    QString file_;
    TextGrid* grid_ = nullptr;
    RecordingMessageSeam messages_;
};

TEST_F(ScoreEditor, OffersTheSevenWordsWithNothingChosen)
{
    doubleClick(1, 1);
    ASSERT_TRUE(forms::frmEditScores.Visible());
    EXPECT_EQ(forms::frmEditScores->windowTitle(), QStringLiteral("Edit Scores"));
    QStringList items;
    for (int i = 0; i < combo()->count(); ++i)
        items << combo()->itemText(i);
    EXPECT_EQ(items, ScoreWordsForLists());
    EXPECT_EQ(items.first(), QStringLiteral("Greatly Increases"));
    EXPECT_EQ(combo()->currentIndex(), -1);
    EXPECT_EQ(forms::frmEditScores->findChild<QPushButton*>(QStringLiteral("CommandAccept"))->text(),
              QStringLiteral("&Accept"));
    EXPECT_EQ(forms::frmEditScores->findChild<QPushButton*>(QStringLiteral("CommandCancel"))->text(),
              QStringLiteral("&Cancel"));
}

// The second countermeasure is column 2, the third criterion row 3.
TEST_F(ScoreEditor, AcceptWritesTheWordAndValueOfTheCellItWasOpenedOn)
{
    doubleClick(3, 2);
    combo()->setCurrentText(QStringLiteral("Moderately Decreases"));
    // The editor is not modal: another cell may be selected meanwhile.
    grid_->setCurrentCell(5, 3);
    click("CommandAccept");
    EXPECT_FALSE(forms::frmEditScores.Loaded());
    EXPECT_EQ(TheAssessment().ScoreMatrix(1, 2), static_cast<Single>(-2.0 / 3.0));
    EXPECT_EQ(grid_->cellText(3, 2), QStringLiteral("Moderately Decreases"));
    EXPECT_EQ(grid_->cellText(5, 3), ConvertScoretoText(TheAssessment().ScoreMatrix(2, 4)));
    EXPECT_TRUE(messages_.shown().empty());

    // Saved and reopened, the edited score shows its word, and the file holds its new value.
    ASSERT_TRUE(forms::frmTALVOfile->SaveTALVOfile(file_));
    QFile saved(file_);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    EXPECT_EQ(lines[4 + 3 + 10 + 2], QByteArray("-.6666667\r"));
    forms::frmTALVOfile.Unload();
    processDeletes();
    ASSERT_TRUE(forms::frmTALVOfile->OpenTALVOfile(file_));
    auto* reopened = forms::frmTALVOfile->findChild<TextGrid*>(QStringLiteral("MSFlexGridCountermeasureScores"));
    EXPECT_EQ(reopened->cellText(3, 2), QStringLiteral("Moderately Decreases"));
}

// Row 5 holds short words only: a long one grows it, and its header with it.
TEST_F(ScoreEditor, AnEditedScoreShowsWholeLevelWithItsHeader)
{
    forms::frmTALVOfile->show();
    forms::frmTALVOfile->findChild<QTabWidget*>()->setCurrentWidget(grid_->parentWidget());
    const int oneLine = grid_->rowHeight(5);
    doubleClick(5, 2);
    combo()->setCurrentText(QStringLiteral("Moderately Decreases"));
    click("CommandAccept");
    EXPECT_GT(grid_->rowHeight(5), oneLine);
    ExpectHeadersLevel(Drawn(*grid_), *grid_);
}

TEST_F(ScoreEditor, AcceptWithNothingChosenIsRefused)
{
    const Single before = TheAssessment().ScoreMatrix(0, 0);
    const QString cell = grid_->cellText(1, 1);
    doubleClick(1, 1);
    click("CommandAccept");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text,
              QStringLiteral("Please Select a new relationship before pushing the accept button."));
    EXPECT_EQ(messages_.shown()[0].buttons, MessageButtons::OK);
    EXPECT_TRUE(messages_.shown()[0].title.isEmpty());
    EXPECT_TRUE(forms::frmEditScores.Visible());
    EXPECT_EQ(TheAssessment().ScoreMatrix(0, 0), before);
    EXPECT_EQ(grid_->cellText(1, 1), cell);
}

TEST_F(ScoreEditor, CancelChangesNothing)
{
    const Single before = TheAssessment().ScoreMatrix(1, 2);
    doubleClick(3, 2);
    combo()->setCurrentText(QStringLiteral("Greatly Increases"));
    click("CommandCancel");
    EXPECT_FALSE(forms::frmEditScores.Loaded());
    EXPECT_EQ(TheAssessment().ScoreMatrix(1, 2), before);
    EXPECT_EQ(grid_->cellText(3, 2), ConvertScoretoText(before));
}

TEST_F(ScoreEditor, HeaderCellsOpenNoEditor)
{
    for (const auto& [row, col] : {std::pair{0, 0}, std::pair{0, 2}, std::pair{4, 0}}) {
        doubleClick(row, col);
        EXPECT_FALSE(forms::frmEditScores.Loaded()) << row << "," << col;
    }
    EXPECT_EQ(forms::frmTALVOfile->EditRow(), 0);
    EXPECT_EQ(forms::frmTALVOfile->EditCol(), 0);
}

// A header double-clicked while the editor is open does not take the choice away from the cell it was opened on.
TEST_F(ScoreEditor, HeaderDoubleClickedWhileOpenKeepsTheEditedCell)
{
    doubleClick(3, 2);
    combo()->setCurrentText(QStringLiteral("Slightly Increases"));
    doubleClick(0, 2);
    doubleClick(3, 0);
    ASSERT_TRUE(forms::frmEditScores.Loaded());
    click("CommandAccept");
    EXPECT_FALSE(forms::frmEditScores.Loaded());
    EXPECT_EQ(TheAssessment().ScoreMatrix(1, 2), static_cast<Single>(1.0 / 3.0));
    EXPECT_EQ(grid_->cellText(3, 2), QStringLiteral("Slightly Increases"));
    EXPECT_EQ(grid_->cellText(0, 2), TheAssessment().FinalCountermeasures(1));
}

// The results window closed while the editor was open: there is no cell left to write.
TEST_F(ScoreEditor, AcceptAfterTheResultsWindowClosedWritesNothing)
{
    const Single before = TheAssessment().ScoreMatrix(1, 2);
    doubleClick(3, 2);
    combo()->setCurrentText(QStringLiteral("Greatly Increases"));
    forms::frmTALVOfile.Unload();
    processDeletes();
    click("CommandAccept");
    EXPECT_FALSE(forms::frmTALVOfile.Loaded());
    EXPECT_FALSE(forms::frmEditScores.Loaded());
    EXPECT_EQ(TheAssessment().ScoreMatrix(1, 2), before);
}

} // namespace
