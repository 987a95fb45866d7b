#pragma once

#include <QDateTime>
#include <QString>

namespace rechnado {

enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgButtons { Ok, OkHelp };

// What the windows take from the desktop: modal message boxes, ending the program and the clock.
// Everything goes through the one installed Platform, so that tests can put a recorder in its place
// and never block on a modal dialog.
class Platform {
public:
    Platform() = default;
    Platform(const Platform &) = delete;
    Platform &operator=(const Platform &) = delete;
    virtual ~Platform() = default;

    // A modal box; returns once the user has closed it. Which button closed it does not matter.
    virtual void messageBox(const QString &text, const QString &title, MsgIcon icon, MsgButtons buttons) = 0;
    // Stops the program: the event loop ends and no further event runs.
    virtual void endProgram() = 0;
    virtual QDateTime now() const = 0;
};

// The real services: QMessageBox, QCoreApplication::exit and the system clock.
class DesktopPlatform final : public Platform {
public:
    void messageBox(const QString &text, const QString &title, MsgIcon icon, MsgButtons buttons) override;
    void endProgram() override;
    QDateTime now() const override;
};

Platform &platform();
// Installs a replacement and returns the one it replaces; nullptr brings back the desktop's.
Platform *setPlatform(Platform *replacement);

// The user's regional settings: the default QLocale, which is the system's unless a test pins another.
QString shortDateText(const QDate &date);
QString longTimeText(const QTime &time);

} // namespace rechnado
