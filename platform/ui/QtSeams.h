#pragma once

#include "platform/core/Seams.h"

class QWidget;

namespace talvo {

// The real boxes and dialogs behind the seams, parented to the active window.
class QtMessageSeam : public MessageSeam
{
public:
    MessageAnswer ask(const MessageRequest& request) override;
};

class QtFileDialogSeam : public FileDialogSeam
{
public:
    std::optional<QString> ask(const FileDialogRequest& request) override;
};

// Installs both for the life of the program.
void InstallQtSeams();

} // namespace talvo
