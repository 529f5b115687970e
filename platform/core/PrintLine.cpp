#include "platform/core/PrintLine.h"

#include "platform/core/NumberForms.h"

namespace talvo {

PrintLine& PrintLine::append(const QString& text)
{
    text_ += text;
    return *this;
}

PrintLine& PrintLine::append(float number) { return append(FormatPrint(number)); }
PrintLine& PrintLine::append(double number) { return append(FormatPrint(number)); }
PrintLine& PrintLine::append(int number) { return append(FormatPrint(number)); }

PrintLine& PrintLine::nextZone()
{
    const qsizetype target = (text_.size() / ZoneWidth + 1) * ZoneWidth;
    text_ += QString(target - text_.size(), QLatin1Char(' '));
    return *this;
}

} // namespace talvo
