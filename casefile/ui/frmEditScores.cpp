#include "casefile/ui/frmEditScores.h"

#include "casefile/ui/frmTALVOfile.h"

#include "platform/core/Seams.h"
#include "platform/core/Twips.h"
#include "platform/ui/WindowPlacement.h"
#include "tables/core/ScoreScale.h"

#include <QComboBox>
#include <QPushButton>

namespace talvo {
namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

} // namespace

frmEditScores::frmEditScores(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmEditScores"));
    setWindowTitle(QStringLiteral("Edit Scores"));
    setFixedSize(TwipsToPixels(3015), TwipsToPixels(1095));
    ShowNoMaximiseButton(*this);

    ComboScores = new QComboBox(this);
    ComboScores->setObjectName(QStringLiteral("ComboScores"));
    ComboScores->addItems(ScoreWordsForLists());
    ComboScores->setCurrentIndex(-1);
    ComboScores->setGeometry(twipsRect(120, 120, 2775, 315));

    CommandAccept = new QPushButton(QStringLiteral("&Accept"), this);
    CommandAccept->setObjectName(QStringLiteral("CommandAccept"));
    CommandAccept->setGeometry(twipsRect(120, 600, 1335, 375));
    CommandCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    CommandCancel->setGeometry(twipsRect(1560, 600, 1335, 375));

    connect(CommandAccept, &QPushButton::clicked, this, &frmEditScores::CommandAccept_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &frmEditScores::CommandCancel_Click);
}

void frmEditScores::CommandAccept_Click()
{
    const QString choice = ComboScores->currentText();
    if (choice.isEmpty()) {
        MsgBox(QStringLiteral("Please Select a new relationship before pushing the accept button."));
        return;
    }
    // The results window may have been closed while the editor was open; then there is no cell to write.
    if (frmTALVOfile* results = forms::frmTALVOfile.existing())
        results->WriteNewScore(choice);
    forms::frmEditScores.Unload();
}

void frmEditScores::CommandCancel_Click()
{
    forms::frmEditScores.Unload();
}

} // namespace talvo
