#pragma once

#include <QString>

#include <optional>

namespace talvo {

// Every message box and file dialog of the program passes through these two seams. The program installs the
// Qt implementations at start-up; tests install recorders that read the message and give the answer.

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MessageAnswer { OK, Cancel, Yes, No };

struct MessageRequest
{
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::OK;
    QString title;
};

class MessageSeam
{
public:
    virtual ~MessageSeam() = default;
    // Shows the box modally and returns the button the user chose.
    virtual MessageAnswer ask(const MessageRequest& request) = 0;
};

struct FileDialogRequest
{
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    QString filter;      // "Talvo Files (*.tlv)" style, several joined by ";;"
    QString defaultName; // file name or path offered at first
    // Save only: ask before replacing an existing file. AskFileName asks, not the dialog, because the question is
    // about the name with its extension added.
    bool overwritePrompt = true;
    QString extension = {}; // Save only, without the dot: added to a chosen name that does not already end in it
};

class FileDialogSeam
{
public:
    virtual ~FileDialogSeam() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> ask(const FileDialogRequest& request) = 0;
};

// Installs a seam; nullptr restores the fallback, which writes the message to the log and answers with the
// box's first button (or cancels the file dialog). The seam is not owned.
void SetMessageSeam(MessageSeam* seam);
MessageSeam* CurrentMessageSeam();
void SetFileDialogSeam(FileDialogSeam* seam);
FileDialogSeam* CurrentFileDialogSeam();

MessageAnswer ShowMessage(const MessageRequest& request);
// The common shape: text, buttons, icon, title (mostly no title).
MessageAnswer MsgBox(const QString& text, MessageButtons buttons = MessageButtons::OK,
                     MessageIcon icon = MessageIcon::None, const QString& title = {});
// The chosen path, with the request's extension added; when the file exists and the user does not want it
// replaced, the dialog comes again.
std::optional<QString> AskFileName(const FileDialogRequest& request);
// How many message boxes ShowMessage has shown since the program started.
unsigned long long MessagesShown();
// The name with ".<extension>" added, unless it already ends so in any letter case ("farm v1.2" -> "farm v1.2.tlv").
QString WithExtension(const QString& name, const QString& extension);

// A file could not be read or written, or a widget could not be created: the user is told, in one box, and the
// program goes on.
void reportFailure(const QString& what, const QString& detail = {});

// The title of the failure box.
inline const QString FailureTitle = QStringLiteral("TalvoDSS");

} // namespace talvo
