#include "platform/ui/QtSeams.h"

#include "platform/ui/WindowPlacement.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

namespace talvo {
namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OK:
        return QMessageBox::Ok;
    case MessageButtons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The window the last box or dialog stood over.
QPointer<QWidget> lastOwner;

// The window a box or file dialog belongs to: the one the user is working in, so the box never stands alone in a
// corner of the screen. Right after a box closes no window is active yet: the next box of a series stands over
// the same window as the one before, and the window manager hands that window the focus back after the last.
QWidget* ownerWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        lastOwner = active;
    else if (!lastOwner || !lastOwner->isVisible())
        lastOwner = MainWindow();
    return lastOwner;
}

} // namespace

MessageAnswer QtMessageSeam::ask(const MessageRequest& request)
{
    // A box without a title shows the program's name.
    const QString title = request.title.isEmpty() ? QApplication::applicationName() : request.title;
    QMessageBox box(toQt(request.icon), title, request.text, toQt(request.buttons), ownerWindow());
    // Messages quote file names and what files hold: markup there is shown, never rendered.
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::OK;
    }
}

std::optional<QString> QtFileDialogSeam::ask(const FileDialogRequest& request)
{
    QWidget* parent = ownerWindow();
    QString name;
    if (request.mode == FileDialogRequest::Mode::Open) {
        name = QFileDialog::getOpenFileName(parent, request.title, request.defaultName, request.filter);
    } else {
        // AskFileName asks before replacing, about the name as it will be written.
        name = QFileDialog::getSaveFileName(parent, request.title, request.defaultName, request.filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

void InstallQtSeams()
{
    static QtMessageSeam messages;
    static QtFileDialogSeam files;
    SetMessageSeam(&messages);
    SetFileDialogSeam(&files);
}

} // namespace talvo
