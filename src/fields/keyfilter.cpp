#include "fields/keyfilter.h"

#include <algorithm>

namespace rechnado {

namespace {
constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kComma = 44;
constexpr std::int16_t kMinus = 45;
constexpr std::int16_t kDigit0 = 48;
constexpr std::int16_t kDigit9 = 57;

// The locale's decimal separator as a key code, or the comma where it is no single character.
std::int16_t separatorCode(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    if (point.size() != 1 || point[0].unicode() > 0x7FFF)
        return kComma;
    return static_cast<std::int16_t>(point[0].unicode());
}

bool isExtraCode(KeyFilter filter, std::int16_t code, const QLocale &locale)
{
    if (code == kBackspace)
        return true;
    switch (filter) {
    case KeyFilter::SignedDecimal:
        if (code == kMinus)
            return true;
        [[fallthrough]];
    case KeyFilter::Decimal:
        return code == kComma || code == separatorCode(locale);
    case KeyFilter::WholeNumber:
    case KeyFilter::None:
        break;
    }
    return false;
}
} // namespace

void filterKeyPress(KeyFilter filter, std::int16_t &keyAscii, const QLocale &locale)
{
    if (filter == KeyFilter::None)
        return;
    if ((keyAscii > kDigit9 || keyAscii < kDigit0) && !isExtraCode(filter, keyAscii, locale))
        keyAscii = 0;
}

bool filterAccepts(KeyFilter filter, char16_t c, const QLocale &locale)
{
    if (filter == KeyFilter::None)
        return true;
    // A character beyond the 16-bit signed range can never be a digit, comma or minus.
    if (c > 0x7FFF)
        return false;
    auto code = static_cast<std::int16_t>(c);
    filterKeyPress(filter, code, locale);
    return code != 0;
}

bool filterAcceptsAll(KeyFilter filter, QStringView text, const QLocale &locale)
{
    return std::all_of(text.begin(), text.end(),
                       [filter, &locale](QChar c) { return filterAccepts(filter, c.unicode(), locale); });
}

} // namespace rechnado
