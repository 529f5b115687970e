#include "casefile/ui/ResultsTextBox.h"

namespace talvo {

ResultsTextBox::ResultsTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
}

void ResultsTextBox::setText(const QString& text)
{
    text_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

} // namespace talvo
