#pragma once

#include <QPlainTextEdit>

namespace talvo {

// A read-only text box that gives back exactly the text it was given, CR LF pairs included (the text report
// prints these texts as they stand).
class ResultsTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ResultsTextBox(QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace talvo
