#include "shell/ui/frmSplash.h"

#include "shell/core/AppInfo.h"
#include "shell/core/ShellTexts.h"
#include "shell/ui/Module1.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace talvo {
namespace {

constexpr int FirstLogoCell = 11;

QLabel* makeLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    // Clicks on the labels belong to the frame under them.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(App().Title);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(560, 380);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Frame1->setLineWidth(2);
    Frame1->installEventFilter(this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Frame1);

    imgLogo = makeLabel("imgLogo", Frame1);
    imgLogo->setFixedSize(LogoCellSize, LogoCellSize);
    PictureClip1 = PictureClip(DrawLogoStrip(), LogoCellCount, 1);
    lblProductName = makeLabel("lblProductName", Frame1);
    lblVersion = makeLabel("lblVersion", Frame1);
    lblWarning = makeLabel("lblWarning", Frame1);
    lblCopyright = makeLabel("lblCopyright", Frame1);
    lblLicenseTo = makeLabel("lblLicenseTo", Frame1);
    lblCompany = makeLabel("lblCompany", Frame1);

    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(18, 16, 18, 14);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    grid->addWidget(imgLogo, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lblProductName, 0, 1, Qt::AlignBottom);
    grid->addWidget(lblVersion, 1, 1, Qt::AlignTop);
    grid->addWidget(lblWarning, 2, 0, 1, 2);
    grid->addWidget(lblCopyright, 3, 0, 1, 2);
    grid->addWidget(lblLicenseTo, 4, 0, 1, 2);
    grid->addWidget(lblCompany, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(4000);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(300);
    connect(Timer2, &QTimer::timeout, this, &frmSplash::Timer2_Timer);

    Form_Load();
    // Both timers are enabled from the start.
    Timer1->start();
    Timer2->start();
}

void frmSplash::Form_Load()
{
    lblVersion->setText(VersionText(App()));

    QFont product = lblProductName->font();
    product.setPointSize(16);
    product.setBold(true);
    lblProductName->setFont(product);
    lblProductName->setText(App().CompanyName);

    QFont small = lblWarning->font();
    small.setPointSize(8);
    lblWarning->setFont(small);
    lblWarning->setText(ConditionsOfUseText);

    lblCopyright->setText(CopyrightText);
    lblLicenseTo->setText(IntellectualPropertyText);
    lblCompany->setText(DisclaimerText);

    imgLogo->setPixmap(PictureClip1.GraphicCell(FirstLogoCell));
    logoCell_ = FirstLogoCell;
}

void frmSplash::ShowNextLogoFrame()
{
    logoCell_ += 1;
    if (logoCell_ == LogoCellCount)
        logoCell_ = 0;
    imgLogo->setPixmap(PictureClip1.GraphicCell(logoCell_));
}

void frmSplash::Timer1_Timer()
{
    unloadAndShowMain(true);
}
void frmSplash::Timer2_Timer()
{
    ShowNextLogoFrame();
}
void frmSplash::Frame1_Click()
{
    unloadAndShowMain(false);
}
void frmSplash::Form_KeyPress(int)
{
    unloadAndShowMain(false);
}

void frmSplash::unloadAndShowMain(bool hideFirst)
{
    if (closing_)
        return;
    closing_ = true;
    Timer1->stop();
    Timer2->stop();
    if (hideFirst)
        hide();
    if (forms::frmSplash.existing() == this)
        forms::frmSplash.Unload();
    else
        deleteLater();
    ShowMainForm();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Frame1 && event->type() == QEvent::MouseButtonRelease) {
        Frame1_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        // A modifier alone is not a key press yet.
        QWidget::keyPressEvent(event);
        return;
    default:
        Form_KeyPress(event->text().isEmpty() ? 0 : event->text().at(0).unicode());
    }
}

void frmSplash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    activateWindow();
    setFocus();
}

} // namespace talvo
