#pragma once

#include "platform/ui/ComponentHost.h"
#include "platform/ui/FormHandle.h"
#include "selection/core/SelectionCancelPoint.h"
#include "selection/core/SelectionSession.h"
#include "selection/ui/FarmPictureClip.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace talvo {

struct PlacedQuestion;

// The countermeasure selection wizard: scenario, farm type, the offered countermeasures, up to three pages of
// site questions and the final list. Finish hands the assessment to the results window through the working file.
class frmDepoAndAg : public QWidget
{
    Q_OBJECT

public:
    // The page frames; exactly one is shown, and it is the wizard's only record of where it stands.
    enum class Page {
        FrameDeposition,
        FrameAgriculture,
        FrameCounterm,
        FrameLimitations1,
        FrameLimitations2,
        FrameLimitations3,
        FrameFinalCounterm
    };

    explicit frmDepoAndAg(QWidget* parent = nullptr);
    ~frmDepoAndAg() override;

    Page CurrentPage() const { return currentPage_; }
    // The working file of the last Finish (TempFolder/tmp.txt).
    QString WorkingFilePath() const { return workingFilePath_; }

    // Appends a text to ListFinalCounter.
    void ListOfFinalCountermeasures(const QString& Countermeasure);
    // Empties ListFinalCounter, disables Next and enables Finish.
    void ClearFinalCountermList();

    // The animation step of Timer1: the next of the 19 cells, after the last the first.
    void ShowNextFarmPicture();
    int FarmPictureIndex() const { return farmPictureIndex_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void showPage(Page page);
    void applyShownPage();
    QFrame* frameOf(Page page) const;
    QFrame* frameOf(LimitationsFrame frame) const;
    void unloadWizard();

    void ListDeposition_Click();
    void ListAgricultureType_Click();
    void ListCountermeasures_Click();
    void ListDeposition_DblClick();
    void ListAgricultureType_DblClick();

    void CommandNext_Click();
    void CommandBack_Click();
    void CommandFinish_Click();
    void CommandCancel_Click();
    // The control a message shown on Next or Finish is about, on the page shown now; nullptr for none.
    QWidget* messageSubject() const;

    int selectedCountermeasureCount() const;
    QStringList selectedCountermeasureItems() const;
    void collectSelection();
    void buildFinalList();
    bool checkAllQuestionsAnswered();
    void fillOfferList();

    // The question pages.
    void AssessSelectedCountermeasures();
    void placeQuestion(const PlacedQuestion& placed);
    void EmptyLimitationsFrame();
    void LimitationObjectEvent(int index, const QString& eventName);

    QFrame* FrameVariablesSelected = nullptr;
    QLabel* LabelSelected = nullptr;
    QLabel* LabelDepositSelected = nullptr;
    QLabel* LabelAgSelected = nullptr;
    QLabel* PictureBoxFarmPix = nullptr;
    QTimer* Timer1 = nullptr;

    QFrame* FrameDeposition = nullptr;
    QLabel* LabelDepositionTitle = nullptr;
    QListWidget* ListDeposition = nullptr;
    QLabel* LabelDepoDefinition = nullptr;

    QFrame* FrameAgriculture = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* ListAgricultureType = nullptr;
    QLabel* LabelAgricultureDefinition = nullptr;

    QFrame* FrameCounterm = nullptr;
    QLabel* LabelCountermeasures = nullptr;
    QListWidget* ListCountermeasures = nullptr;
    QLabel* LabelCountermeasureDefinition = nullptr;

    QFrame* FrameLimitations1 = nullptr;
    QFrame* FrameLimitations2 = nullptr;
    QFrame* FrameLimitations3 = nullptr;

    QFrame* FrameFinalCounterm = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* ListFinalCounter = nullptr;

    QPushButton* CommandBack = nullptr;
    QPushButton* CommandNext = nullptr;
    QPushButton* CommandFinish = nullptr;
    QPushButton* CommandCancel = nullptr;

    Page currentPage_ = Page::FrameDeposition;
    // What Cancel or the close box puts back.
    SelectionCancelPoint cancelPoint_;
    QString workingFilePath_;
    FarmPictureClip PictureClip1;
    int farmPictureIndex_ = 0;
    bool fillingLists_ = false; // filling a list from code is no click
    // The countermeasure row that the list makes current when it takes the focus is no choice; one the user moves
    // to with a key is.
    bool countermeasureKeys_ = false;
    // Next and Back call themselves to pass empty pages; the frames change on screen once the outermost call
    // is done, so a message on the way stands over the page the user acted on, not over an empty one.
    int navigationDepth_ = 0;
    friend class NavigationStep;

    // Declared after the frames' owner (this window) and destroyed before its child widgets, so no question
    // handler runs while the window is half gone.
    ComponentHost host_;
    // The widget reference of each question, by record index; a reference binds the widget to its handler.
    std::array<QuestionControl, 34> questionWidgets_;
};

namespace forms {
inline FormHandle<talvo::frmDepoAndAg> frmDepoAndAg;
} // namespace forms

} // namespace talvo
