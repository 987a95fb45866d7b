#pragma once

#include <QColor>
#include <optional>

// The colours and sizes the fields share. Colours are written as the 32-bit values 0x00BBGGRR
// (red in the lowest byte); a value with the top bit set names a system colour.
namespace rechnado::styles {

constexpr double kInputPoints = 12.0;
constexpr double kResultPoints = 14.0;

constexpr quint32 kSystemColour = 0x80000000U;
constexpr quint32 kWindowBackground = 0x80000005U;
constexpr quint32 kWindowText = 0x80000008U;
constexpr quint32 kButtonFace = 0x8000000FU;
constexpr quint32 kButtonText = 0x80000012U;

constexpr quint32 kLightYellow = 0x00C0FFFFU;
constexpr quint32 kLightOrange = 0x00C0E0FFU;
constexpr quint32 kGreen = 0x00008000U;
constexpr quint32 kRed = 0x000000FFU;
constexpr quint32 kBlack = 0x00000000U;
constexpr quint32 kModeGreen = 0x0000C000U;
constexpr quint32 kModeRed = 0x008080FFU;

// A 0x00BBGGRR value, or a system colour, as the application's palette has it.
QColor colour(quint32 bgr);

// A colour the program fixes, as opposed to a system colour that follows the desktop's theme.
constexpr bool isFixed(quint32 bgr)
{
    return (bgr & kSystemColour) == 0;
}

// The colours a control is drawn in; nullopt where the colour follows the desktop.
struct Look {
    std::optional<QColor> back;
    std::optional<QColor> fore;
};

// The text colour on a background, nullopt meaning the desktop's: the text's own colour where it has
// one; on a background the program fixes, black, so that it stays legible under a dark theme.
std::optional<QColor> textOn(const std::optional<QColor> &back, const std::optional<QColor> &fore);

// How a background and a text colour from a layout are drawn, legible under a light and a dark
// theme alike. On a background the program fixes (the title block, light yellow, the mode colours)
// the text is drawn in a fixed dark colour: its own, or black where it names a system colour. On a
// background that follows the desktop, the text takes the desktop's text colour.
Look look(quint32 back, quint32 fore);

inline QColor windowBackground()
{
    return colour(kWindowBackground);
}
inline QColor lightYellow()
{
    return colour(kLightYellow);
}
inline QColor green()
{
    return colour(kGreen);
}
inline QColor red()
{
    return colour(kRed);
}
inline QColor black()
{
    return colour(kBlack);
}

} // namespace rechnado::styles
