#include "tests/support/RecordingSeams.h"

#include <QStringList>

namespace talvo::test {

RecordingMessageSeam::RecordingMessageSeam() : previous_(CurrentMessageSeam()) { SetMessageSeam(this); }
RecordingMessageSeam::~RecordingMessageSeam() { SetMessageSeam(previous_); }

MessageAnswer RecordingMessageSeam::ask(const MessageRequest& request)
{
    shown_.push_back(request);
    if (!answers_.empty()) {
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return request.buttons == MessageButtons::YesNo || request.buttons == MessageButtons::YesNoCancel
               ? MessageAnswer::Yes
               : MessageAnswer::OK;
}

QStringList RecordingMessageSeam::texts() const
{
    QStringList list;
    for (const auto& request : shown_)
        list << request.text;
    return list;
}

RecordingFileDialogSeam::RecordingFileDialogSeam() : previous_(CurrentFileDialogSeam()) { SetFileDialogSeam(this); }
RecordingFileDialogSeam::~RecordingFileDialogSeam() { SetFileDialogSeam(previous_); }

std::optional<QString> RecordingFileDialogSeam::ask(const FileDialogRequest& request)
{
    asked_.push_back(request);
    if (answers_.empty())
        return std::nullopt;
    auto answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace talvo::test
