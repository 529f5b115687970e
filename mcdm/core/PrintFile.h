#pragma once

#include "platform/core/PrintLine.h"

#include <QString>

namespace talvo {

// A result or trace file built line by line in the print form and written whole at the end, so a failed write
// never leaves half a file behind. These are working files: they follow no link and are the user's alone.
class PrintFile
{
public:
    explicit PrintFile(QString path) : path_(std::move(path)) {}

    void print(const PrintLine& line) { contents_ += line.line(); }
    // An empty line.
    void print() { contents_ += QStringLiteral("\r\n"); }
    // Text that carries its own line breaks, ended by one more (a print of a text holding CR LF).
    void print(const QString& text) { contents_ += text + QStringLiteral("\r\n"); }

    const QString& path() const { return path_; }
    const QString& contents() const { return contents_; }

    // Replaces the file with the lines printed so far (none makes an empty file). A failure is reported to the
    // user and returns false; the file that was there stays as it was.
    bool save() const;

private:
    QString path_;
    QString contents_;
};

} // namespace talvo
