#pragma once

#include "platform/core/BasicTypes.h"

#include <QString>

#include <optional>

namespace talvo {

// Three ways the program turns numbers into text, and the ways it reads them back. All of them use '.' as the
// decimal separator whatever the user's locale: a number shown in a widget is read back as a typed answer, and
// files must open on any machine.
//
// Digits: at most 7 significant digits for a Single and 15 for a Double, trailing zeros dropped; E-form
// ("1.234568E+07", "1E-05") when the decimal exponent is below -4 or reaches the digit count.

// Standard form, used in window texts and question widgets: "0.3333333", "-0.5", "12", "1.234568E+07".
QString FormatStandard(Single value);
QString FormatStandard(Double value);
QString FormatStandard(int value);

// File item form of the evaluation file: no zero before the point (".57", "-.57"), Booleans "#TRUE#" and
// "#FALSE#", strings in double quotes with any quote inside left as it is.
QString FormatItem(Single value);
QString FormatItem(Double value);
QString FormatItem(int value);
QString FormatItem(bool value);
QString FormatItem(const QString& text);

// Print form of the result and trace files: a blank (or the minus sign) before the digits and one blank after
// them (" .57 ", "-.57 ", " 5 ").
QString FormatPrint(Single value);
QString FormatPrint(Double value);
QString FormatPrint(int value);

// A typed answer is a number only when it is an optional '-', then digits with at most one '.', holding at least
// one digit: "5", "-5", ".5", "5." are numbers; "", "-", ".", "1.2.3", " 5", "+5", "1e3", "1,5" are not.
std::optional<Double> ParseTypedNumber(const QString& text);
// A question widget's answer: a typed number, or a number as the standard form shows it, E-form included
// ("5E-05", "-1.234568E+07"), so that a shown value is always read back.
std::optional<Double> ParseShownNumber(const QString& text);

// A number line of a file: like a typed answer, but blanks around it, a '+' sign and an exponent are allowed.
// NaN, infinity and anything that overflows a Double are refused.
std::optional<Double> ParseFileNumber(const QString& line);
// A Single line: a file number that also fits a Single.
std::optional<Single> ParseFileSingle(const QString& line);
// An Integer line: a whole number from -32768 to 32767, blanks around it allowed.
std::optional<Integer> ParseFileInteger(const QString& line);
// A Boolean line: only "#TRUE#" is True and only "#FALSE#" is False.
std::optional<bool> ParseFileBoolean(const QString& line);
// A String line: the text between the first and the last double quote of a line that starts and ends with one.
std::optional<QString> ParseFileString(const QString& line);

} // namespace talvo
