#include "platform/core/NumberForms.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace talvo {
namespace {

// The shortest text of value with at most `digits` significant digits, with a zero before the point.
QString formatDigits(double value, int digits)
{
    if (value == 0.0 || !std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NaN") : value == 0.0 ? QStringLiteral("0")
                                                       : value > 0      ? QStringLiteral("Infinity")
                                                                        : QStringLiteral("-Infinity");

    // Round once to the digit count; the exponent after rounding decides the form (9.9999999 -> 10).
    // QString::number ignores the C locale, which QApplication sets from the user's environment.
    const QString scientific = QString::number(value, 'E', digits - 1);
    const qsizetype ePos = scientific.indexOf(QLatin1Char('E'));
    QString mantissa = scientific.left(ePos);
    const int exponent = scientific.mid(ePos + 1).toInt();

    const bool negative = mantissa.startsWith(QLatin1Char('-'));
    if (negative)
        mantissa.remove(0, 1);
    QString significant = mantissa;
    significant.remove(QLatin1Char('.'));
    while (significant.size() > 1 && significant.endsWith(QLatin1Char('0')))
        significant.chop(1);

    QString result;
    if (exponent < -4 || exponent >= digits) {
        result = significant.left(1);
        if (significant.size() > 1)
            result += QLatin1Char('.') + significant.mid(1);
        result += QStringLiteral("E") + QLatin1Char(exponent < 0 ? '-' : '+') +
                  QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else if (exponent < 0) {
        result = QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + significant;
    } else {
        const int integerDigits = exponent + 1;
        if (significant.size() <= integerDigits) {
            result = significant + QString(integerDigits - significant.size(), QLatin1Char('0'));
        } else {
            result = significant.left(integerDigits) + QLatin1Char('.') + significant.mid(integerDigits);
        }
    }
    return negative ? QLatin1Char('-') + result : result;
}

QString dropLeadingZero(QString text)
{
    if (text.startsWith(QStringLiteral("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QStringLiteral("-0.")))
        text.remove(1, 1);
    return text;
}

QString withPrintBlanks(const QString& digits)
{
    return (digits.startsWith(QLatin1Char('-')) ? digits : QLatin1Char(' ') + digits) + QLatin1Char(' ');
}

constexpr int SingleDigits = 7;
constexpr int DoubleDigits = 15;

std::optional<Double> toDouble(const QString& text)
{
    // Not strtod: the process locale may use ','. QString::toDouble always reads '.'.
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

QString FormatStandard(Single value) { return formatDigits(static_cast<double>(value), SingleDigits); }
QString FormatStandard(Double value) { return formatDigits(value, DoubleDigits); }
QString FormatStandard(int value) { return QString::number(value); }

QString FormatItem(Single value) { return dropLeadingZero(FormatStandard(value)); }
QString FormatItem(Double value) { return dropLeadingZero(FormatStandard(value)); }
QString FormatItem(int value) { return QString::number(value); }
QString FormatItem(bool value) { return value ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"); }
QString FormatItem(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString FormatPrint(Single value) { return withPrintBlanks(FormatItem(value)); }
QString FormatPrint(Double value) { return withPrintBlanks(FormatItem(value)); }
QString FormatPrint(int value) { return withPrintBlanks(QString::number(value)); }

std::optional<Double> ParseTypedNumber(const QString& text)
{
    static const QRegularExpression typed(QStringLiteral("^-?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    if (!typed.match(text).hasMatch())
        return std::nullopt;
    return toDouble(text);
}

std::optional<Double> ParseShownNumber(const QString& text)
{
    static const QRegularExpression eForm(QStringLiteral("^-?[0-9](?:\\.[0-9]+)?E[-+][0-9]{2,}$"));
    if (const auto typed = ParseTypedNumber(text))
        return typed;
    if (!eForm.match(text).hasMatch())
        return std::nullopt;
    return toDouble(text);
}

std::optional<Double> ParseFileNumber(const QString& line)
{
    static const QRegularExpression number(
        QStringLiteral("^[-+]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][-+]?[0-9]+)?$"));
    const QString trimmed = line.trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    return toDouble(trimmed);
}

std::optional<Single> ParseFileSingle(const QString& line)
{
    const auto value = ParseFileNumber(line);
    if (!value || std::fabs(*value) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<Single>(*value);
}

std::optional<Integer> ParseFileInteger(const QString& line)
{
    static const QRegularExpression whole(QStringLiteral("^[-+]?[0-9]+$"));
    const QString trimmed = line.trimmed();
    if (!whole.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    if (!ok || value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return static_cast<Integer>(value);
}

std::optional<bool> ParseFileBoolean(const QString& line)
{
    if (line == QStringLiteral("#TRUE#"))
        return true;
    if (line == QStringLiteral("#FALSE#"))
        return false;
    return std::nullopt;
}

std::optional<QString> ParseFileString(const QString& line)
{
    if (line.size() < 2 || !line.startsWith(QLatin1Char('"')) || !line.endsWith(QLatin1Char('"')))
        return std::nullopt;
    return line.mid(1, line.size() - 2);
}

} // namespace talvo
