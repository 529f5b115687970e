#pragma once

#include "platform/core/Seams.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

namespace talvo::test {

// Records every message box and answers from a queue (OK, or the first button, when the queue is empty).
// Installs itself for its lifetime.
class RecordingMessageSeam : public MessageSeam
{
public:
    RecordingMessageSeam();
    ~RecordingMessageSeam() override;

    MessageAnswer ask(const MessageRequest& request) override;

    void answerNext(MessageAnswer answer) { answers_.push_back(answer); }
    const std::vector<MessageRequest>& shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }

private:
    MessageSeam* previous_;
    std::deque<MessageAnswer> answers_;
    std::vector<MessageRequest> shown_;
};

// Records every file dialog and answers with queued names; an empty queue cancels.
class RecordingFileDialogSeam : public FileDialogSeam
{
public:
    RecordingFileDialogSeam();
    ~RecordingFileDialogSeam() override;

    std::optional<QString> ask(const FileDialogRequest& request) override;

    void answerNext(std::optional<QString> name) { answers_.push_back(std::move(name)); }
    const std::vector<FileDialogRequest>& asked() const { return asked_; }

private:
    FileDialogSeam* previous_;
    std::deque<std::optional<QString>> answers_;
    std::vector<FileDialogRequest> asked_;
};

} // namespace talvo::test
