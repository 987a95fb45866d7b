#pragma once

#include <QStringView>
#include <cstdint>

namespace rechnado {

// Which characters a field lets the user type. Every filter passes the digits and backspace.
enum class KeyFilter {
    None,          // no filter at all (display fields)
    Decimal,       // digits and ","
    SignedDecimal, // digits, "," and "-"
    WholeNumber,   // digits only
};

// The key-press rule: leaves keyAscii alone to let the character through, sets it to 0 to refuse it.
// It looks at the one character only; the numeric test judges the whole text later.
void filterKeyPress(KeyFilter filter, std::int16_t &keyAscii);

bool filterAccepts(KeyFilter filter, char16_t c);

// Text that arrives whole (paste, drop) goes in only if every character would pass the filter.
bool filterAcceptsAll(KeyFilter filter, QStringView text);

} // namespace rechnado
