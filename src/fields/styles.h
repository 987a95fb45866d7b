#pragma once

#include <QColor>

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
