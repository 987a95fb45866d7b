// A real drag of the tomato onto the author's photo, on a real X server, moved by the X pointer
// (xdotool) rather than by synthetic Qt events. Run with the xcb platform under Xvfb.
#include "app/controls.h"
#include "assets/assets.h"
#include "support/testsupport.h"

#include <QProcess>
#include <QPushButton>

using namespace rechnado;
using namespace rechnado::test;

class TestAboutDrag : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void throwing_the_tomato_swaps_the_photo_and_answers();
};

void TestAboutDrag::throwing_the_tomato_swaps_the_photo_and_answers()
{
    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("needs a real X server");
    QLocale::setDefault(german());
    RecordingPlatform platform;
    Program program;
    program.rechnado.show();
    control<QPushButton>(program.rechnado, "cmdAbout")->click();
    QVERIFY(QTest::qWaitForWindowExposed(program.about.window()));

    auto *tomato = control<Picture>(program.about, "imgTomate");
    auto *photo = control<Picture>(program.about, "imgIch");
    const QPoint from = tomato->mapToGlobal(tomato->rect().center());
    const QPoint to = photo->mapToGlobal(photo->rect().center());
    const QString step = QStringLiteral("%1 %2");
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  QStringList{"mousemove"}
                      << step.arg(from.x()).arg(from.y()).split(u' ')
                      << QStringList{"sleep", "0.3", "mousedown", "1", "sleep", "0.3", "mousemove"}
                      << step.arg((from.x() + to.x()) / 2).arg(from.y()).split(u' ')
                      << QStringList{"sleep", "0.3", "mousemove"} << step.arg(to.x()).arg(to.y()).split(u' ')
                      << QStringList{"sleep", "0.3", "mousemove"}
                      << step.arg(to.x() + 2).arg(to.y() + 2).split(u' ')
                      << QStringList{"sleep", "0.3", "mouseup", "1"});

    QTRY_VERIFY_WITH_TIMEOUT(!platform.boxes.isEmpty(), 15000);
    if (xdotool.state() != QProcess::NotRunning)
        xdotool.waitForFinished(5000);
    QCOMPARE(xdotool.exitCode(), 0);
    QCOMPARE(platform.boxes.first().title, QStringLiteral("Hey !"));
    QCOMPARE(platform.boxes.size(), 3);
    QVERIFY(!tomato->isVisible());
    QCOMPARE(photo->pixmap().toImage(), assets::pixmap("ich2").toImage());
}

QTEST_MAIN(TestAboutDrag)
#include "tst_about_drag.moc"
