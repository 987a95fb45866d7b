#pragma once

#include "fields/keyfilter.h"

#include <QHash>
#include <QString>
#include <span>

class QWidget;
class QTimer;
class QPushButton;

namespace rechnado {

// A window's layout as a table of controls: what the window looks like each time it is loaded.
// Positions and sizes are in twips (1/1440 inch), relative to the container's top-left corner;
// colours are 0x00BBGGRR values or system colours (see fields/styles.h).

enum class Kind { Frame, Label, TextField, Button, Picture, Shape, Line, Timer };
enum class Align { Left, Center, Right };

constexpr quint32 kNoColour = 0xFFFFFFFFU;

struct FontSpec {
    const char *face = nullptr; // nullptr: the container's font
    double points = 0;
    bool bold = false;
    bool underline = false;
};

struct ControlSpec {
    const char *name = nullptr;
    Kind kind = Kind::Label;
    const char *in = nullptr; // the containing frame; nullptr: the window itself
    // For a line these are the two end points: x1, y1, x2, y2.
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    const char *caption = nullptr;
    const char *toolTip = nullptr;
    FontSpec font{};
    quint32 back = kNoColour;
    quint32 fore = kNoColour;
    Align align = Align::Left;
    bool border = false;
    int tabIndex = -1;   // place in the Tab order; -1: none
    bool tabStop = true; // reached by Tab (a text field without tab stop still takes the focus by mouse)
    bool enabled = true;
    bool visible = true;
    bool locked = false;
    KeyFilter filter = KeyFilter::None;
    int maxLength = 0; // for typing; 0: no limit
    bool rate = false; // a percentage or rate: a pasted point or comma is never digit grouping
    bool selectAllOnFocus = true;
    const char *labelFor = nullptr;       // a label that names this field
    const char *accessibleName = nullptr; // where no label names the control
    const char *picture = nullptr;        // an asset name
    bool stretch = false;
    int interval = 0; // timer, in milliseconds
    bool isDefault = false;
    bool isCancel = false;
    bool onTop = false;             // drawn in front of everything else in its container
    const char *shortcut = nullptr; // a label's key that clicks it, as "Ctrl+M"
};

struct LayoutSpec {
    const char *caption = nullptr;
    double clientWidth = 0;
    double clientHeight = 0;
    FontSpec font{};
    const char *icon = nullptr;
    bool dialogBorder = false; // no minimise button, not in the task bar
    std::span<const ControlSpec> controls;
};

class FormWindow;

// What the builder made: the top-level window, each control by name, and the timers.
struct BuiltWindow {
    FormWindow *window = nullptr;
    QHash<QString, QWidget *> controls;
    QHash<QString, QTimer *> timers;

    template <typename T> T *get(const char *name) const
    {
        auto *control = qobject_cast<T *>(controls.value(QString::fromLatin1(name)));
        Q_ASSERT_X(control, "BuiltWindow::get", name);
        return control;
    }
    QTimer *timer(const char *name) const;
};

// Builds a window from its table. Controls are stacked as the table lists them: an earlier row
// lies over a later one; frames and filled shapes lie behind the rest, and rows marked onTop in front.
BuiltWindow buildWindow(const LayoutSpec &layout);

} // namespace rechnado
