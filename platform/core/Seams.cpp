#include "platform/core/Seams.h"

#include <QDebug>

namespace talvo {
namespace {

MessageSeam* messageSeam = nullptr;
FileDialogSeam* fileDialogSeam = nullptr;
unsigned long long messagesShown = 0;

MessageAnswer firstButton(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OK:
    case MessageButtons::OKCancel:
        return MessageAnswer::OK;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    }
    return MessageAnswer::OK;
}

} // namespace

void SetMessageSeam(MessageSeam* seam) { messageSeam = seam; }
MessageSeam* CurrentMessageSeam() { return messageSeam; }
void SetFileDialogSeam(FileDialogSeam* seam) { fileDialogSeam = seam; }
FileDialogSeam* CurrentFileDialogSeam() { return fileDialogSeam; }
unsigned long long MessagesShown() { return messagesShown; }

MessageAnswer ShowMessage(const MessageRequest& request)
{
    ++messagesShown;
    if (messageSeam)
        return messageSeam->ask(request);
    qWarning().noquote() << "message:" << request.title << request.text;
    return firstButton(request.buttons);
}

MessageAnswer MsgBox(const QString& text, MessageButtons buttons, MessageIcon icon, const QString& title)
{
    return ShowMessage(MessageRequest{text, icon, buttons, title});
}

std::optional<QString> AskFileName(const FileDialogRequest& request)
{
    if (fileDialogSeam)
        return fileDialogSeam->ask(request);
    qWarning().noquote() << "file dialog with no seam:" << request.title;
    return std::nullopt;
}

void reportFailure(const QString& what, const QString& detail)
{
    const QString text = detail.isEmpty() ? what : what + QStringLiteral("\n\n") + detail;
    MsgBox(text, MessageButtons::OK, MessageIcon::Critical, FailureTitle);
}

} // namespace talvo
