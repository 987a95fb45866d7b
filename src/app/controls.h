#pragma once

#include "fields/click.h"

#include <QColor>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QWidget>
#include <optional>

class QPushButton;
class QShortcut;

namespace rechnado {

// 15 units of 1/1440 inch make one logical pixel; Qt's high-DPI scaling does the rest.
constexpr double kTwipsPerPixel = 15.0;
int toPixels(double twips);

// A label that can be clicked (the mode label, the clock), by the mouse, by a shortcut key of its
// window or by a screen reader.
class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Whether anything reacts to a click.
    bool isClickable() const;
    void click() { Q_EMIT clicked(); }
    // A key that clicks the label wherever the focus is in its window; empty for none.
    QKeySequence shortcut() const;
    void setShortcut(const QKeySequence &key);

    // A caption keeps the font its layout gives it and wraps where it is wider than its label. Only
    // where it would not fit even wrapped (the fonts at hand are wider than the ones the layout was
    // drawn with) is it set smaller, so that it shows whole. A caption of lines that must stay as
    // they are (the clock's date and time) is set smaller until each line fits. Called again after
    // the caption changes, it starts from the layout's font.
    enum class Lines { Wrap, Keep };
    void fitCaption(Lines lines = Lines::Wrap);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ClickRule m_click;
    QShortcut *m_shortcut = nullptr;
    quint64 m_releasedAt = 0; // when the shortcut's key was last released
    bool m_keyHeld = false;   // its key is held down: the press is a repeat
    std::optional<QFont> m_layoutFont;
};

// A picture whose position is kept in twips as floating-point values, so that a move by one unit
// is exact even where the pixel stays the same. It can start a drag of itself when pressed, and it
// can be told of controls dragged over it or dropped on it.
class Picture : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);

    double left() const { return m_left; }
    double top() const { return m_top; }
    // Places and sizes the picture in one step.
    void setGeometryTwips(double left, double top, double width, double height);
    void moveTwips(double left, double top);
    void setLeft(double left) { moveTwips(left, m_top); }

    // Whether anything reacts to a click.
    bool isClickable() const;
    void click() { Q_EMIT clicked(); }
    // Pressing the mouse on the picture starts a drag of it at once, with its picture as drag image.
    void setDragAutomatic(bool on) { m_dragAutomatic = on; }
    void setAcceptsControlDrops(bool on);

    // The control being dragged, as the drag events name it.
    static QString dragMimeType();

Q_SIGNALS:
    void clicked();
    void dragOver(QWidget *source);
    void dragDrop(QWidget *source);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    double m_left = 0;
    double m_top = 0;
    bool m_dragAutomatic = false;
    ClickRule m_click;
};

// A filled rectangle without outline.
class Shape : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setFillColour(const QColor &colour);
};

// A straight line between two points of its parent, drawn one pixel wide.
class Line : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPoints(QPoint from, QPoint to);
    void setColour(const QColor &colour) { m_colour = colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
};

// A frame without caption that holds other controls; it lies behind them.
class Frame : public QFrame {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);
};

} // namespace rechnado
