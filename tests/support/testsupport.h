#pragma once

#include "about/frmabout.h"
#include "app/accessibility.h"
#include "app/modglobals.h"
#include "app/platform.h"
#include "app/translation.h"
#include "app/windows.h"
#include "percent/frmrechnado.h"
#include "savings/frmsparplan.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace rechnado::test {

// One message box as the program asked for it.
struct Box {
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

// Stands in for the desktop: records every message box and every end of the program, and tells
// the time the test sets. A box "returns" at once, as if the user had pressed OK.
class RecordingPlatform final : public Platform {
public:
    RecordingPlatform() { m_previous = setPlatform(this); }
    ~RecordingPlatform() override { setPlatform(m_previous); }

    void messageBox(const QString &text, const QString &title, MsgIcon icon, MsgButtons buttons) override
    {
        boxes.push_back({text, title, icon, buttons});
        if (onBox)
            onBox(boxes.back());
    }
    void endProgram() override { ++ends; }
    QDateTime now() const override { return clock; }

    QList<Box> boxes;
    int ends = 0;
    QDateTime clock{QDate(2026, 12, 7), QTime(9, 5, 3)};
    std::function<void(const Box &)> onBox;

private:
    Platform *m_previous = nullptr;
};

// Pins the default locale for the lifetime of the object.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;
};

inline QLocale german()
{
    return QLocale(QLocale::German, QLocale::Germany);
}
inline QLocale english()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// Fails the running test, instead of hanging, when a real modal dialog opens: every box must go
// through the RecordingPlatform.
class ModalWatchdog {
public:
    ModalWatchdog()
    {
        m_timer.setInterval(50);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                m_seen = modal->windowTitle();
                modal->close();
            }
        });
        m_timer.start();
    }
    QString takeSeen() { return std::exchange(m_seen, QString()); }

private:
    QTimer m_timer;
    QString m_seen;
};

// The offscreen platform warns at every window it shows that it cannot pass size hints on; that
// says nothing about the program and would drown what does.
inline void quietenPlatformNoise()
{
    static QtMessageHandler previous = nullptr;
    static const bool installed = [] {
        previous =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &msg) {
                if (!msg.contains(u"This plugin does not support") && previous)
                    previous(type, context, msg);
            });
        return true;
    }();
    Q_UNUSED(installed);
}

// The program's three windows, fresh for one test and registered by name as main() does.
struct Program {
    Program()
    {
        quietenPlatformNoise();
        installGermanToolkitTexts();
        for (Form *form :
             {static_cast<Form *>(&rechnado), static_cast<Form *>(&sparplan), static_cast<Form *>(&about)})
            windows::add(*form);
        modGlobals::aufrufer.clear();
    }
    ~Program() { flushDeletes(); }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The window that is visible now, by name; empty if none.
    QString visibleWindow() const
    {
        QStringList visible;
        for (const Form *form : {static_cast<const Form *>(&rechnado), static_cast<const Form *>(&sparplan),
                                 static_cast<const Form *>(&about)})
            if (form->isVisible())
                visible << form->name();
        return visible.join(u'+');
    }

    frmRechnado rechnado;
    frmSparplan sparplan;
    frmAbout about;
};

// One window test's world: German number text, the recording platform, the three windows and the
// watchdog for real modal dialogs.
struct Fixture {
    Fixture() { QLocale::setDefault(german()); }
    Fixture(const Fixture &) = delete;
    Fixture &operator=(const Fixture &) = delete;

    // Ends the world; returns the title of a real modal dialog that opened in it, if one did.
    static QString finish(std::unique_ptr<Fixture> fixture)
    {
        QString modal = fixture->watchdog.takeSeen();
        fixture.reset();
        return modal;
    }

    RecordingPlatform platform;
    Program program;
    ModalWatchdog watchdog;
};

// A control of a loaded window by its name.
template <typename T> T *control(const Form &form, const char *name)
{
    if (!form.window())
        return nullptr;
    return form.window()->findChild<T *>(QString::fromLatin1(name));
}

// The last message a window told a screen reader; empty if none.
inline QString announced(const Form &form)
{
    const Announcer *announcer = form.window() ? form.window()->findChild<Announcer *>() : nullptr;
    return announcer ? announcer->accessibleName() : QString();
}

// What a label, a button or a text field shows.
inline QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *field = qobject_cast<const QLineEdit *>(widget))
        return field->text();
    return {};
}

// Whether a field shows its whole text, neither end cut off: its width, a pixel for the caret,
// within the field less its frame and the line edit's two pixels a side; in a legible font.
inline bool showsWhole(const QLineEdit *field)
{
    const int frame = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const int room = field->width() - 2 * frame - 4;
    const QFontMetrics metrics(field->font());
    return metrics.horizontalAdvance(field->text()) + 1 <= room && field->font().pointSizeF() >= 7.0;
}

// Sends a left click to the middle of a widget.
inline void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace rechnado::test
