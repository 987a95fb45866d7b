#include "app/platform.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

namespace rechnado {

namespace {

Platform *installed = nullptr;

QMessageBox::Icon toQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void DesktopPlatform::messageBox(const QString &text, const QString &title, MsgIcon icon, MsgButtons buttons)
{
    // The box lives on the heap and is watched: should the window it stands over go while it is
    // open, the window takes the box along, and the box is not deleted a second time here.
    const QPointer<QMessageBox> box =
        new QMessageBox(toQt(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::OkHelp) {
        // Help names no help file: it closes the box like OK, and it is the default button.
        QPushButton *help = box->addButton(QMessageBox::Help);
        QObject::connect(help, &QPushButton::clicked, box, &QMessageBox::accept);
        box->setDefaultButton(help);
    }
    box->setEscapeButton(QMessageBox::Ok);
    box->exec();
    delete box.data();
}

void DesktopPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

QDateTime DesktopPlatform::now() const
{
    return QDateTime::currentDateTime();
}

Platform &platform()
{
    static DesktopPlatform desktop;
    if (installed)
        return *installed;
    return desktop;
}

Platform *setPlatform(Platform *replacement)
{
    return std::exchange(installed, replacement);
}

QString shortDateText(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString longTimeText(const QTime &time)
{
    // The locale's long form with seconds, but without the time zone that Qt puts in it, nor what
    // stood around the zone alone: "HH:mm:ss (t)", "APh:mm:ss [t]", "h:mm:ss AP, t", "t HH:mm:ss".
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        kept += c;
    }
    kept.remove(QRegularExpression(QStringLiteral("\\(\\s*\\)|\\[\\s*\\]")));
    const auto loose = [](QChar c) { return c.isSpace() || c == u','; };
    while (!kept.isEmpty() && loose(kept.back()))
        kept.chop(1);
    while (!kept.isEmpty() && loose(kept.front()))
        kept.remove(0, 1);
    return QLocale().toString(time, kept);
}

} // namespace rechnado
