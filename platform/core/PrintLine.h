#pragma once

#include <QString>

namespace talvo {

// One line of a result or trace file in the print form. Items joined by ';' follow each other directly
// (append), an item after ',' starts at the next print zone of 14 columns (nextZone), and the finished line
// ends with CR LF.
class PrintLine
{
public:
    static constexpr int ZoneWidth = 14;

    PrintLine& append(const QString& text);
    PrintLine& append(float number);
    PrintLine& append(double number);
    PrintLine& append(int number);
    // Pads with blanks to the start of the next zone (columns 1, 15, 29 ...), never staying where it is.
    PrintLine& nextZone();

    const QString& text() const { return text_; }
    QString line() const { return text_ + QStringLiteral("\r\n"); }

private:
    QString text_;
};

} // namespace talvo
