#include "fields/numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace rechnado {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Rewrites a locale number text in the C locale's spelling, or returns nothing when it is not one.
// "-", the only minus a keyboard types, is a minus sign under every locale, beside the locale's own
// (U+2212 under Swedish or Finnish settings, for one).
std::optional<QString> canonical(const QString &text, const QLocale &locale)
{
    const QString minus = locale.negativeSign();
    const QString point = locale.decimalPoint();
    QString out;
    qsizetype i = 0;
    if (text.startsWith(u'-')) {
        out += u'-';
        i = 1;
    } else if (!minus.isEmpty() && text.startsWith(minus)) {
        out += u'-';
        i = minus.size();
    }
    bool digits = false;
    bool separator = false;
    while (i < text.size()) {
        if (isAsciiDigit(text[i])) {
            out += text[i];
            digits = true;
            ++i;
        } else if (!separator && QStringView(text).sliced(i).startsWith(point)) {
            out += u'.';
            separator = true;
            i += point.size();
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return out;
}

// The exact decimal digits of a finite value of at least 0, as "ddd.ddd". A double is a whole
// multiple of a power of two, so its decimal expansion ends: below 2^52 it has as many decimals as
// that power of two has negative exponent.
std::string exactDigits(double magnitude)
{
    std::array<char, 1500> buffer{};
    const int decimals = magnitude == 0.0 ? 0 : std::clamp(52 - std::ilogb(magnitude), 0, 1074);
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    std::string digits(buffer.data(), end);
    if (digits.find('.') == std::string::npos)
        digits += '.';
    return digits;
}

// The exact digits of a value of at least 0 rounded to the cent. Below the half cent it goes down,
// above it up, and at it, or within the noise's few units in the last place of it, up (away from zero,
// since the sign is written apart).
std::string roundToCents(double magnitude, Noise noise)
{
    std::string digits = exactDigits(magnitude);
    const std::size_t point = digits.find('.');
    digits.resize(std::max(digits.size(), point + 3), '0');
    // The part beyond the cents, as a fraction of a cent in [0, 1).
    const std::string rest = digits.substr(point + 3);
    digits.resize(point + 3);
    if (rest.find_first_not_of('0') == std::string::npos)
        return digits;
    double fraction = 0;
    const std::string beyond = "0." + rest.substr(0, 40);
    std::from_chars(beyond.data(), beyond.data() + beyond.size(), fraction);
    const double units = 2 + std::min(noise.roundings, 12) / 2.0;
    const double unit = std::nextafter(noise.size, std::numeric_limits<double>::infinity()) - noise.size;
    const bool up = fraction >= 0.5 || (0.5 - fraction) / 100 <= units * unit;
    for (std::size_t i = digits.size(); up && i-- > 0;) {
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return up ? '1' + digits : digits;
}

// The digit grouping of a number text taken out, where it stands at valid places: groups of three
// digits from the decimal separator leftwards, the first of one to three and not starting with 0;
// none in the fraction. The grouping a locale writes as a (no-break) space or a typographic
// apostrophe is also taken when it comes as a plain one. Text grouped otherwise comes back as it was.
QString withoutGrouping(const QString &text, const QLocale &locale)
{
    const QString group = locale.groupSeparator();
    if (group.size() != 1)
        return text;
    QString plain = text;
    const QChar g = group.front();
    if (g.isSpace())
        for (const QChar blank : {QChar(u' '), QChar(0x00A0), QChar(0x202F)})
            plain.replace(blank, g);
    if (g == QChar(0x2019))
        plain.replace(u'\'', g);
    if (!plain.contains(g))
        return text;
    const qsizetype sign = plain.startsWith(u'-') ? 1 : 0;
    qsizetype point = plain.indexOf(locale.decimalPoint());
    if (point < 0)
        point = plain.size();
    if (plain.indexOf(g, point) >= 0)
        return text;
    const QStringList groups = plain.sliced(sign, point - sign).split(g);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const qsizetype size = groups[i].size();
        if (!std::all_of(groups[i].begin(), groups[i].end(), isAsciiDigit) || size > 3 ||
            (i > 0 && size != 3) || size == 0 || (i == 0 && groups[i].startsWith(u'0')))
            return text;
    }
    return plain.left(sign) + groups.join(QString()) + plain.sliced(point);
}

} // namespace

bool isNumeric(const QString &text, const QLocale &locale)
{
    return canonical(text, locale).has_value();
}

std::optional<double> toNumber(const QString &text, const QLocale &locale)
{
    const std::optional<QString> c = canonical(text, locale);
    if (!c)
        return std::nullopt;
    // QString::toDouble reports overflow as failure but still gives the infinity we want to pass on.
    const double value = c->toDouble();
    if (value == 0.0 && c->startsWith(u'-'))
        return 0.0;
    return value;
}

void readField(const QString &text, double &variable, const QLocale &locale)
{
    if (const std::optional<double> value = toNumber(text, locale))
        variable = *value;
}

std::optional<QString> reducePastedNumber(const QString &pasted, Holds holds, const QLocale &locale)
{
    QString text = pasted.trimmed();
    const auto dropEnd = [&text](const QString &sign) {
        if (!sign.isEmpty() && text.endsWith(sign))
            text = text.chopped(sign.size()).trimmed();
    };
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    const QString iso = locale.currencySymbol(QLocale::CurrencyIsoCode);
    dropEnd(QStringLiteral("%"));
    dropEnd(symbol);
    dropEnd(iso);
    for (const QString &sign : {symbol, iso})
        if (!sign.isEmpty() && text.startsWith(sign))
            text = text.sliced(sign.size()).trimmed();
    // A plus sign before the number, not before another sign ("+-5" is no number).
    if (text.startsWith(u'+') && !text.sliced(1).startsWith(u'-') &&
        !text.sliced(1).startsWith(locale.negativeSign()))
        text = text.sliced(1);
    // The locale's own minus (U+2212 under Swedish settings) is the minus a keyboard types.
    const QString minus = locale.negativeSign();
    if (minus != u"-" && !minus.isEmpty() && text.startsWith(minus))
        text = u'-' + text.sliced(minus.size());
    if (holds == Holds::Amount)
        text = withoutGrouping(text, locale);
    if (!isNumeric(text, locale))
        return std::nullopt;
    return text;
}

QString formatFixed2(double value, const QLocale &locale, Noise noise)
{
    Q_ASSERT(std::isfinite(value));
    const double magnitude = std::fabs(value);
    noise.size = std::isfinite(noise.size) ? std::max(noise.size, magnitude) : magnitude;
    const std::string cents = roundToCents(magnitude, noise);
    // Digits and "-" as a keyboard types them, so that whatever is written can be typed or pasted
    // back into a field; only the decimal separator is the locale's. "-0,00" tells the user nothing
    // that "0,00" does not.
    const bool minus = value < 0 && cents.find_first_not_of("0.") != std::string::npos;
    QString text = QString::fromLatin1(cents);
    text.replace(u'.', locale.decimalPoint());
    return minus ? u'-' + text : text;
}

QString formatSigned(double value, const QLocale &locale, Noise noise)
{
    const QString text = formatFixed2(value, locale, noise);
    return value > 0 ? QStringLiteral("+") + text : text;
}

} // namespace rechnado
