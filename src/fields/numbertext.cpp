#include "fields/numbertext.h"

#include <cmath>

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

QString formatFixed2(double value, const QLocale &locale)
{
    Q_ASSERT(std::isfinite(value));
    // Digits and "-" as a keyboard types them, so that whatever is written can be typed or pasted
    // back into a field; only the decimal separator is the locale's.
    QString text = QString::number(value, 'f', 2);
    // "-0,00" tells the user nothing that "0,00" does not.
    if (text.startsWith(u'-') && text.sliced(1).toDouble() == 0.0)
        text = text.sliced(1);
    return text.replace(u'.', locale.decimalPoint());
}

QString formatSigned(double value, const QLocale &locale)
{
    const QString text = formatFixed2(value, locale);
    return value > 0 ? QStringLiteral("+") + text : text;
}

} // namespace rechnado
