#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace rechnado {

class Announcer;
struct BuiltWindow;
struct LayoutSpec;

// The top-level widget of a loaded window. It presses the default button on Enter (or the focused
// button, as a user expects) and the cancel button on Esc, and passes its close box on to its Form.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(QWidget *parent = nullptr);

    QPushButton *defaultButton() const { return m_defaultButton; }
    void setDefaultButton(QPushButton *button) { m_defaultButton = button; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    void setCancelButton(QPushButton *button) { m_cancelButton = button; }

    // Tells a screen reader a message (results, a new mode) without moving the keyboard focus.
    void announce(const QString &message);

Q_SIGNALS:
    void closeBoxPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPushButton *m_defaultButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    Announcer *m_announcer = nullptr;
};

// One window of the program: a single instance for the whole run.
//
// The instance holds the window's own members, which live as long as it does. While the window is
// loaded it also holds the on-screen window, built from the layout table at every load and destroyed
// at every unload. Hiding keeps everything; showing or setting visible loads first when needed.
class Form : public QObject {
    Q_OBJECT
public:
    explicit Form(QString name);
    ~Form() override;

    // The name the other windows reach this one by (see windows.h).
    const QString &name() const { return m_name; }

    bool isLoaded() const { return m_window != nullptr; }
    bool isVisible() const;
    // The loaded window, or nullptr.
    FormWindow *window() const { return m_window; }

    void show();
    void setVisible(bool visible);
    void hide() { setVisible(false); }
    // Runs Form_Unload, then destroys the window and its controls; the members stay.
    void unload();

protected:
    virtual const LayoutSpec &layout() const = 0;
    // Takes the controls of a freshly built window and connects their events.
    virtual void bind(const BuiltWindow &built) = 0;
    // Forgets the controls of the window being unloaded.
    virtual void unbind() = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

private:
    void load();
    void closeBoxPressed();

    QString m_name;
    FormWindow *m_window = nullptr;
    bool m_loading = false;
    QList<QPointer<QWidget>> m_unloaded; // windows waiting to be deleted
};

} // namespace rechnado
