#include "app/form.h"

#include "app/accessibility.h"
#include "app/layout.h"
#include "app/platform.h"
#include "app/windows.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace rechnado {

FormWindow::FormWindow(QWidget *parent)
    : QWidget(parent)
{}

void FormWindow::announce(const QString &message)
{
    if (!m_announcer)
        m_announcer = new Announcer(this);
    m_announcer->announce(message);
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    // The keypad's Enter is an Enter too: it only comes with the keypad modifier.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        QPushButton *button = qobject_cast<QPushButton *>(focusWidget());
        if (!button)
            button = m_defaultButton;
        if (button && button->isEnabled() && button->isVisible()) {
            button->click();
            return;
        }
    }
    if (event->key() == Qt::Key_Escape && m_cancelButton && m_cancelButton->isEnabled()) {
        m_cancelButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormWindow::hideEvent(QHideEvent *event)
{
    // An announcement is told once: shown again with the window, it would be told again.
    if (m_announcer)
        m_announcer->hide();
    QWidget::hideEvent(event);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The Form decides: it unloads the window, which destroys this widget.
    event->ignore();
    Q_EMIT closeBoxPressed();
}

Form::Form(QString name)
    : m_name(std::move(name))
{}

Form::~Form()
{
    windows::remove(*this);
    delete m_window;
    for (const QPointer<QWidget> &window : std::as_const(m_unloaded))
        delete window.data();
}

bool Form::isVisible() const
{
    return m_window && m_window->isVisible();
}

void Form::show()
{
    setVisible(true);
}

void Form::setVisible(bool visible)
{
    if (!visible) {
        if (m_window)
            m_window->hide();
        return;
    }
    if (!m_window)
        load();
    // Form_Load may already have shown it, or unloaded it again.
    if (m_window && !m_window->isVisible()) {
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }
}

void Form::load()
{
    if (m_loading)
        return;
    m_loading = true;
    BuiltWindow built = buildWindow(layout());
    m_window = built.window;
    connect(m_window, &FormWindow::closeBoxPressed, this, &Form::closeBoxPressed);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
#ifdef Q_OS_WIN
        m_window->winId(); // Windows tells the frame's size as soon as the window exists
#endif
        // The whole window is centred, title bar included, where its frame is known before it is
        // shown; elsewhere the frame is known only once shown, and the client area is centred.
        QRect frame = m_window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_window->setGeometry(
            m_window->geometry().translated(frame.topLeft() - m_window->frameGeometry().topLeft()));
    }
    bind(built);
    Form_Load();
    m_loading = false;
}

void Form::unload()
{
    if (!m_window)
        return;
    Form_Unload();
    FormWindow *window = std::exchange(m_window, nullptr);
    if (!window)
        return;
    // The window may be unloaded from inside one of its own handlers: silence it now, delete it later.
    for (QTimer *timer : window->findChildren<QTimer *>())
        timer->stop();
    window->disconnect(this);
    for (QObject *child : window->findChildren<QObject *>())
        child->disconnect(this);
    unbind();
    window->hide();
    window->deleteLater();
    m_unloaded.removeAll(nullptr);
    m_unloaded.append(window);
}

void Form::closeBoxPressed()
{
    unload();
    // The program ends when its last loaded window is unloaded.
    if (!windows::anyLoaded())
        platform().endProgram();
}

} // namespace rechnado
