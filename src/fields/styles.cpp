#include "fields/styles.h"

#include <QApplication>
#include <QPalette>

namespace rechnado::styles {

QColor colour(quint32 bgr)
{
    if (bgr & kSystemColour) {
        const QPalette palette = QApplication::palette();
        switch (bgr) {
        case kWindowBackground:
            return palette.color(QPalette::Base);
        case kWindowText:
            return palette.color(QPalette::Text);
        case kButtonText:
            return palette.color(QPalette::ButtonText);
        case kButtonFace:
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8) & 0xFFU),
                  static_cast<int>((bgr >> 16) & 0xFFU));
}

std::optional<QColor> textOn(const std::optional<QColor> &back, const std::optional<QColor> &fore)
{
    if (fore)
        return fore;
    return back ? std::optional(black()) : std::nullopt;
}

Look look(quint32 back, quint32 fore)
{
    if (!isFixed(back))
        return {};
    const QColor fixed = colour(back);
    return {fixed, textOn(fixed, isFixed(fore) ? std::optional(colour(fore)) : std::nullopt)};
}

} // namespace rechnado::styles
