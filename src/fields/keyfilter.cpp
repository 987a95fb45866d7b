#include "fields/keyfilter.h"

#include <algorithm>

namespace rechnado {

namespace {
constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kComma = 44;
constexpr std::int16_t kMinus = 45;
constexpr std::int16_t kDigit0 = 48;
constexpr std::int16_t kDigit9 = 57;

bool isExtraCode(KeyFilter filter, std::int16_t code)
{
    if (code == kBackspace)
        return true;
    switch (filter) {
    case KeyFilter::Decimal:
        return code == kComma;
    case KeyFilter::SignedDecimal:
        return code == kComma || code == kMinus;
    case KeyFilter::WholeNumber:
    case KeyFilter::None:
        break;
    }
    return false;
}
} // namespace

void filterKeyPress(KeyFilter filter, std::int16_t &keyAscii)
{
    if (filter == KeyFilter::None)
        return;
    if ((keyAscii > kDigit9 || keyAscii < kDigit0) && !isExtraCode(filter, keyAscii))
        keyAscii = 0;
}

bool filterAccepts(KeyFilter filter, char16_t c)
{
    if (filter == KeyFilter::None)
        return true;
    // A character beyond the 16-bit signed range can never be a digit, comma or minus.
    if (c > 0x7FFF)
        return false;
    auto code = static_cast<std::int16_t>(c);
    filterKeyPress(filter, code);
    return code != 0;
}

bool filterAcceptsAll(KeyFilter filter, QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [filter](QChar c) { return filterAccepts(filter, c.unicode()); });
}

} // namespace rechnado
