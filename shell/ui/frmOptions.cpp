#include "shell/ui/frmOptions.h"

#include "platform/core/Seams.h"
#include "platform/core/Twips.h"
#include "platform/ui/WindowPlacement.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>

namespace talvo {
namespace {

constexpr int KeyTab = 9;
constexpr int ShiftMask = 1;
constexpr int CtrlMask = 2;
constexpr int AltMask = 4;

const int PageLeft = TwipsToPixels(210);
const int PageOutOfSight = TwipsToPixels(-20000);
constexpr int PageTop = 40;
constexpr int PageWidth = 352;
constexpr int PageHeight = 210;

} // namespace

frmOptions::frmOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(380, 300);
    ShowNoMaximiseButton(*this);

    tbsOptions = new QTabBar(this);
    tbsOptions->setObjectName(QStringLiteral("tbsOptions"));
    for (int i = 1; i <= 4; ++i)
        tbsOptions->addTab(QStringLiteral("Group %1").arg(i));
    tbsOptions->setGeometry(PageLeft, 8, PageWidth, PageTop - 8);
    tbsOptions->setDrawBase(true);

    for (int i = 0; i < 4; ++i) {
        QWidget* page = new QWidget(this);
        page->setObjectName(QStringLiteral("picOptions%1").arg(i));
        page->setGeometry(i == 0 ? PageLeft : PageOutOfSight, PageTop, PageWidth, PageHeight);
        page->setEnabled(i == 0);
        picOptions[static_cast<std::size_t>(i)] = page;
        auto* frame = new QGroupBox(QStringLiteral("Sample %1").arg(i + 1), page);
        frame->setObjectName(QStringLiteral("fraSample%1").arg(i + 1));
        frame->setGeometry(8, 8, PageWidth - 16, PageHeight - 16);
        fraSample[static_cast<std::size_t>(i)] = frame;
    }

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdApply = new QPushButton(QStringLiteral("Apply"), this);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    const int buttonWidth = 84;
    const int buttonTop = PageTop + PageHeight + 12;
    cmdApply->setGeometry(width() - 14 - buttonWidth, buttonTop, buttonWidth, 28);
    cmdCancel->setGeometry(width() - 2 * (14 + buttonWidth) + 6, buttonTop, buttonWidth, 28);
    cmdOK->setGeometry(width() - 3 * (14 + buttonWidth) + 12, buttonTop, buttonWidth, 28);
    cmdOK->setDefault(true);

    connect(tbsOptions, &QTabBar::currentChanged, this, &frmOptions::tbsOptions_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);

    // Every key of the dialog passes here first, whichever control has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);

    Form_Load();
}

void frmOptions::Form_Load() {}

QWidget* frmOptions::Page(int index) const
{
    return index >= 0 && index < 4 ? picOptions[static_cast<std::size_t>(index)] : nullptr;
}

void frmOptions::tbsOptions_Click()
{
    const int selected = tbsOptions->currentIndex();
    for (int i = 0; i < tbsOptions->count(); ++i) {
        QWidget* page = Page(i);
        if (!page)
            continue;
        page->move(i == selected ? PageLeft : PageOutOfSight, page->y());
        page->setEnabled(i == selected);
    }
}

void frmOptions::Form_KeyDown(int KeyCode, int Shift)
{
    if (KeyCode != KeyTab)
        return;
    const int count = tbsOptions->count();
    const int current = tbsOptions->currentIndex();
    if (Shift == CtrlMask)
        tbsOptions->setCurrentIndex(current + 1 >= count ? 0 : current + 1);
    else if (Shift >= CtrlMask + ShiftMask)
        tbsOptions->setCurrentIndex(current - 1 < 0 ? count - 1 : current - 1);
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            int shift = 0;
            const Qt::KeyboardModifiers modifiers = key->modifiers();
            if (modifiers & Qt::ShiftModifier || key->key() == Qt::Key_Backtab)
                shift |= ShiftMask;
            if (modifiers & Qt::ControlModifier)
                shift |= CtrlMask;
            if (modifiers & Qt::AltModifier)
                shift |= AltMask;
            if (shift >= CtrlMask) {
                Form_KeyDown(KeyTab, shift);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::cmdApply_Click()
{
    MsgBox(QStringLiteral("Apply Code goes here to set options w/o closing dialog!"));
}

void frmOptions::cmdOK_Click()
{
    MsgBox(QStringLiteral("Code goes here to set options and close dialog!"));
    unload();
}

void frmOptions::cmdCancel_Click()
{
    unload();
}

void frmOptions::unload()
{
    if (forms::frmOptions.existing() == this)
        forms::frmOptions.Unload();
    else
        hide();
}

} // namespace talvo
