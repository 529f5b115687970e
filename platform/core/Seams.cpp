#include "platform/core/Seams.h"

#include <QDebug>
#include <QFileInfo>

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
    if (!fileDialogSeam) {
        qWarning().noquote() << "file dialog with no seam:" << request.title;
        return std::nullopt;
    }
    FileDialogRequest asked = request;
    for (;;) {
        std::optional<QString> name = fileDialogSeam->ask(asked);
        if (!name || name->isEmpty() || request.mode != FileDialogRequest::Mode::Save)
            return name;
        name = WithExtension(*name, request.extension);
        // A link that leads nowhere takes the name all the same: a save would create what it names.
        const QFileInfo chosen(*name);
        if (!request.overwritePrompt || !(chosen.exists() || chosen.isSymLink()))
            return name;
        const QString question =
            QStringLiteral("\"%1\" already exists.\nDo you want to replace it?").arg(chosen.fileName());
        if (MsgBox(question, MessageButtons::YesNo, MessageIcon::Exclamation, request.title) == MessageAnswer::Yes)
            return name;
        asked.defaultName = *name;
    }
}

QString WithExtension(const QString& name, const QString& extension)
{
    if (extension.isEmpty() || name.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive))
        return name;
    return name + QLatin1Char('.') + extension;
}

void reportFailure(const QString& what, const QString& detail)
{
    const QString text = detail.isEmpty() ? what : what + QStringLiteral("\n\n") + detail;
    MsgBox(text, MessageButtons::OK, MessageIcon::Critical, FailureTitle);
}

} // namespace talvo
