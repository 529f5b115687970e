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
    bool overwritePrompt = true; // Save only: ask before replacing an existing file
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
std::optional<QString> AskFileName(const FileDialogRequest& request);
// How many message boxes ShowMessage has shown since the program started.
unsigned long long MessagesShown();

// A file could not be read or written, or a widget could not be created: the user is told, in one box, and the
// program goes on.
void reportFailure(const QString& what, const QString& detail = {});

// The title of the failure box.
inline const QString FailureTitle = QStringLiteral("TalvoDSS");

} // namespace talvo
