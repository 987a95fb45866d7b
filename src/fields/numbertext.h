#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace rechnado {

// Number text by the user's regional settings (the default QLocale).
//
// The numeric test passes an optional leading minus sign ("-" or the locale's own), digits and at
// most one decimal separator of the locale, with at least one digit; no digit grouping, no blanks,
// no exponent.
bool isNumeric(const QString &text, const QLocale &locale = QLocale());

// The value of a text that passes the numeric test; nothing otherwise. A text of very many digits
// may read as infinity: the solvers refuse what they cannot compute.
std::optional<double> toNumber(const QString &text, const QLocale &locale = QLocale());

// Reading a field: the variable takes the text's value only when the text passes the numeric test;
// otherwise it keeps the value it had.
void readField(const QString &text, double &variable, const QLocale &locale = QLocale());

// What a field holds, for reading a paste: an amount, or a percentage or rate, where "3.125" is no
// plausible 3125 % and a point or comma is never digit grouping.
enum class Holds { Amount, Rate };

// A number as people copy it from a spreadsheet, a bank statement or a web page, reduced to the
// plain number that could have been typed: surrounding white space, a "+" before it, the locale's
// currency (its symbol or ISO code, before or after it) and a percent sign after it dropped, the
// locale's own minus sign written as "-", and in an amount the locale's digit grouping removed where
// a person of that locale could mean nothing else ("1.234,56 €" under German settings is 1234,56).
// Nothing when the text does not stand for a plain number: "0.500", "$5", "1.23.4", "5-5".
std::optional<QString> reducePastedNumber(const QString &pasted, Holds holds = Holds::Amount,
                                          const QLocale &locale = QLocale());

// How far rounding may have moved a computed double: the size of the numbers it was computed from
// (1,515 - 1,50 has the size of 1,515, not of 0,015), and how many roundings lie on its way.
struct Noise {
    double size = 0;
    int roundings = 0;
};

// The pattern "0.00": "-" for negative values under every locale, no grouping, the locale's decimal
// separator, exactly two decimals: the cent of the exact result, a half cent going away from zero.
// A double rarely holds a half cent exactly (2,675 is stored as 2,67499...), so a value counts as a
// half cent when it lies within a few units in the last place of one, measured on its noise's size:
// two units, and half a unit for each rounding on its way (up to twelve of them). Any other value is
// written as the cent nearest to its own value. A negative value that rounds to zero is written
// without its sign. Only finite values are written.
QString formatFixed2(double value, const QLocale &locale = QLocale(), Noise noise = {});

// A change or difference: "0.00" with a leading "+" when the value is greater than 0. The sign
// follows the unrounded value, so a tiny increase shows as "+0,00".
QString formatSigned(double value, const QLocale &locale = QLocale(), Noise noise = {});

} // namespace rechnado
