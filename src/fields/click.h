#pragma once

#include <QMouseEvent>
#include <QWidget>
#include <utility>

namespace rechnado {

// What makes a click on a control: the left button pressed on it and released over it. Every
// control that reports clicked() (labels, pictures, amount fields) follows this one rule.
class ClickRule {
public:
    void pressed(const QMouseEvent *event) { m_pressed = event->button() == Qt::LeftButton; }
    // Whether this release completes a click.
    bool released(const QWidget *control, const QMouseEvent *event)
    {
        return std::exchange(m_pressed, false) && event->button() == Qt::LeftButton &&
               control->rect().contains(event->position().toPoint());
    }

private:
    bool m_pressed = false;
};

} // namespace rechnado
