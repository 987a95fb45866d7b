#pragma once

#include <QLocale>
#include <QStringView>
#include <cstdint>

namespace rechnado {

// Which characters a field lets the user type. Every filter passes the digits and backspace.
enum class KeyFilter {
    None,          // no filter at all (display fields)
    Decimal,       // digits and "," (and the locale's own decimal separator)
    SignedDecimal, // digits, ",", "-" (and the locale's own decimal separator)
    WholeNumber,   // digits only
};

// The key-press rule: leaves keyAscii alone to let the character through, sets it to 0 to refuse it.
// It looks at the one character only; the numeric test judges the whole text later.
//
// The decimal filters also pass the decimal separator of the given regional settings, so that a
// fractional value can be typed where the point is the separator (Switzerland, the English-speaking
// world). Under a decimal-comma locale the point stays refused.
void filterKeyPress(KeyFilter filter, std::int16_t &keyAscii, const QLocale &locale = QLocale());

bool filterAccepts(KeyFilter filter, char16_t c, const QLocale &locale = QLocale());

// Text that arrives whole (paste, drop) goes in only if every character would pass the filter.
bool filterAcceptsAll(KeyFilter filter, QStringView text, const QLocale &locale = QLocale());

} // namespace rechnado
