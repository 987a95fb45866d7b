#pragma once

#include <QWidget>

namespace rechnado {

// What screen readers are told about the program's own controls (AT-SPI on Linux, UI Automation on
// Windows; Qt's accessibility layer serves both):
// - each window is a window with its caption as its name, and a frame is a group, never a window
//   (a frame told as a top-level window makes a screen reader take its controls for another,
//   inactive window's and keep silent about their focus);
// - a label that reacts to clicks offers the click as its action, and names its shortcut key;
// - an amount field's text is told with its attribute run covering the whole text (see
//   accessibility.cpp);
// - an Announcer tells a short message without moving the keyboard focus.
// Installed once; every window the layout builder makes is covered.
void installAccessibility();

// Tells a screen reader a message, such as the results a press has written, while the keyboard
// focus stays where it is. Invisible: it has no size and takes no focus.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);
    void announce(const QString &message);
};

} // namespace rechnado
