// The About window: its look, the tomato throw, the tomato's fall and the way back.
#include "app/controls.h"
#include "assets/assets.h"
#include "support/testsupport.h"

#include <QPushButton>

using namespace rechnado;
using namespace rechnado::test;

class TestFrmAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void looks_as_laid_out_data();
    void looks_as_laid_out();
    void is_a_fixed_dialog_with_only_ok_taking_the_focus();
    void tomato_lies_above_the_title_and_the_text();
    void drag_over_the_tomato_hides_it();
    void drop_on_the_photo_swaps_it_and_answers_three_times();
    void drop_elsewhere_leaves_the_tomato_invisible();
    void the_photo_starts_the_fall();
    void a_second_click_during_the_fall_changes_nothing();
    void the_invisible_tomato_still_falls();
    void second_click_sinks_it_and_brings_it_back_from_the_top();
    void closing_stops_the_fall_and_the_next_opening_starts_afresh();
    void ok_enter_esc_and_close_box_bring_back_the_caller_data();
    void ok_enter_esc_and_close_box_bring_back_the_caller();

private:
    Picture *picture(const char *name) const { return control<Picture>(m_fx->program.about, name); }
    // A drawing as this screen shows it: twice the size where its device pixel ratio is 2 or more.
    QImage drawing(const char *name) const
    {
        return assets::pixmap(name, picture("imgIch")->devicePixelRatioF()).toImage();
    }
    QTimer *timer() const
    {
        return m_fx->program.about.window()->findChild<QTimer *>(QStringLiteral("Timer1"));
    }
    QPointF tomatoAt() const { return {picture("imgTomate")->left(), picture("imgTomate")->top()}; }
    void tick(int times) const;
    void openAbout() const;

    std::unique_ptr<Fixture> m_fx;
};

void TestFrmAbout::init()
{
    m_fx = std::make_unique<Fixture>();
    m_fx->program.rechnado.show();
    openAbout();
}

void TestFrmAbout::cleanup()
{
    const QString modal = Fixture::finish(std::move(m_fx));
    QVERIFY2(modal.isEmpty(), qPrintable(QStringLiteral("a real modal dialog opened: ") + modal));
}

void TestFrmAbout::openAbout() const
{
    control<QPushButton>(m_fx->program.rechnado, "cmdAbout")->click();
    QCOMPARE(m_fx->program.visibleWindow(), QStringLiteral("About"));
}

void TestFrmAbout::tick(int times) const
{
    for (int i = 0; i < times && timer()->isActive(); ++i)
        m_fx->program.about.Timer1_Timer();
}

void TestFrmAbout::looks_as_laid_out_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("date") << "lblDatum" << "20.04.2002";
    QTest::newRow("Der") << "lblDer" << "Der";
    QTest::newRow("title") << "lblRechnado" << "Rechnado  v1.6.3";
    QTest::newRow("heading") << "lblBeschreibung" << "Beschreibung:";
    QTest::newRow("description")
        << "lblBText"
        << "Der \"Rechnado\"  ist ein Rechenwerkzeug für Leute, die oft mit Prozent-, Zins-, Zinseszins- und "
           "Steuer-Berechnungen zu kämpfen haben. Oftmals hat man ja dafür gerade nicht die richtige Formel zur "
           "Hand...  Einfach das gesuchte Feld leer lassen, und anschließend auf \"Berechnen !\" klicken. Viel "
           "Spaß ! Das Programm ist Freeware!";
    // clang-format on
}

void TestFrmAbout::looks_as_laid_out()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto *label = m_fx->program.about.window()->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
}

void TestFrmAbout::is_a_fixed_dialog_with_only_ok_taking_the_focus()
{
    FormWindow *w = m_fx->program.about.window();
    QCOMPARE(w->windowTitle(), QStringLiteral("About..."));
    QCOMPARE(w->size(), QSize(340, 200)); // 5100 x 3000 twips
    QVERIFY(w->windowFlags() & Qt::Dialog);
    QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(w->windowIcon().availableSizes().value(0), QSize(16, 16));
    auto *ok = control<QPushButton>(m_fx->program.about, "cmdOK");
    QCOMPARE(w->defaultButton(), ok);
    QCOMPARE(w->cancelButton(), ok);
    for (QWidget *child : w->findChildren<QWidget *>())
        QCOMPARE(child->focusPolicy() != Qt::NoFocus, child == ok);
    QVERIFY(!picture("imgIch2")->isVisible());
    QVERIFY(picture("imgTomate")->isVisible());
    QCOMPARE(tomatoAt(), QPointF(3120, 600));
    QCOMPARE(picture("imgIch")->toolTip(), QStringLiteral("Richtig, das bin ich (der Autor) !"));
    QCOMPARE(picture("imgTomate")->toolTip(), QStringLiteral("Was könnte das wohl sein ?"));
    auto *disclaimer = w->findChild<QLabel *>(QStringLiteral("lblDisclaimer"));
    QVERIFY(disclaimer->text().startsWith(
        QStringLiteral("Für Schäden durch Benutzung dieser Software haftet der Autor nicht !") +
        QString(20, u' ')));
    QVERIFY(frmAbout::mailText().endsWith(QStringLiteral("@example.org")));
}

void TestFrmAbout::tomato_lies_above_the_title_and_the_text()
{
    const QObjectList stack = m_fx->program.about.window()->children();
    const auto at = [&](const char *name) {
        return stack.indexOf(m_fx->program.about.window()->findChild<QWidget *>(QString::fromLatin1(name)));
    };
    // Later children are drawn over earlier ones.
    for (const char *below : {"lblRechnado", "lblBText", "lblDisclaimer", "lblBy", "lblDer"})
        QVERIFY2(at("imgTomate") > at(below), below);
    QVERIFY(at("imgIch") > at("lblBText"));
    // The tomato takes its 50 x 50 pixels of the layout, in finer pixels on a 2x screen (CI runs these
    // tests at QT_SCALE_FACTOR=2 too).
    const QPixmap tomato = picture("imgTomate")->pixmap();
    QCOMPARE(tomato.deviceIndependentSize(), QSizeF(50, 50));
    QCOMPARE(tomato.devicePixelRatio(), picture("imgTomate")->devicePixelRatioF() >= 2 ? 2.0 : 1.0);
}

void TestFrmAbout::drag_over_the_tomato_hides_it()
{
    m_fx->program.about.imgTomate_DragOver(picture("imgTomate"));
    QVERIFY(!picture("imgTomate")->isVisible());
}

void TestFrmAbout::drop_on_the_photo_swaps_it_and_answers_three_times()
{
    QList<bool> photoSwappedAtBox;
    m_fx->platform.onBox = [&](const Box &) {
        photoSwappedAtBox << (picture("imgIch")->pixmap().toImage() == drawing("ich2"));
    };
    m_fx->program.about.imgTomate_DragOver(picture("imgTomate"));
    m_fx->program.about.imgIch_DragDrop(picture("imgTomate"));
    QVERIFY(!picture("imgTomate")->isVisible());
    QCOMPARE(photoSwappedAtBox, (QList<bool>{true, true, true}));

    QCOMPARE(m_fx->platform.boxes.size(), 3);
    QCOMPARE(m_fx->platform.boxes[0].text, QStringLiteral("Findest Du das etwa in Ordnung ?"));
    QCOMPARE(m_fx->platform.boxes[0].title, QStringLiteral("Hey !"));
    QCOMPARE(m_fx->platform.boxes[0].icon, MsgIcon::Question);
    QCOMPARE(m_fx->platform.boxes[1].text, QStringLiteral("Ich jedenfalls nicht !"));
    QCOMPARE(m_fx->platform.boxes[1].title, QStringLiteral("Was soll das ?"));
    QCOMPARE(m_fx->platform.boxes[1].icon, MsgIcon::Information);
    QCOMPARE(m_fx->platform.boxes[2].title, QStringLiteral("Mail me !"));
    QCOMPARE(m_fx->platform.boxes[2].icon, MsgIcon::Information);
    QVERIFY(m_fx->platform.boxes[2].text.startsWith(QStringLiteral(
        "Wenn Dir etwas nicht gefällt,\r\nDu einen Bug gefunden hast,\r\nDir etwas besonders gut "
        "gefällt,\r\nDu Verbesserungsvorschläge hast,\r\ndann mail mir einfach !\r\n\r\n")));
    for (const Box &box : m_fx->platform.boxes)
        QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(m_fx->program.about.lastMessage(), m_fx->platform.boxes[2].text);

    // Opened again, the window is as it was laid out; a second hit answers again.
    m_fx->program.about.cmdOK_Click();
    openAbout();
    QVERIFY(picture("imgTomate")->isVisible());
    QCOMPARE(picture("imgIch")->pixmap().toImage(), drawing("ich"));
    m_fx->program.about.imgIch_DragDrop(picture("imgTomate"));
    QCOMPARE(m_fx->platform.boxes.size(), 6);
    QCOMPARE(m_fx->platform.boxes[3].title, QStringLiteral("Hey !"));
}

void TestFrmAbout::drop_elsewhere_leaves_the_tomato_invisible()
{
    m_fx->program.about.imgTomate_DragOver(picture("imgTomate"));
    // Nothing takes a drop but the photo; a drop elsewhere does nothing.
    QVERIFY(!m_fx->program.about.window()->acceptDrops());
    QVERIFY(!picture("imgTomate")->isVisible());
    QCOMPARE(picture("imgIch")->pixmap().toImage(), drawing("ich"));
    QVERIFY(m_fx->platform.boxes.isEmpty());
}

void TestFrmAbout::the_photo_starts_the_fall()
{
    click(picture("imgIch"));
    QVERIFY(timer()->isActive());
    QCOMPARE(timer()->interval(), 30);
    tick(24);
    QCOMPARE(tomatoAt(), QPointF(2520, 1560));
    QVERIFY(timer()->isActive());
    tick(1);
    QVERIFY(!timer()->isActive());
    QCOMPARE(tomatoAt(), QPointF(2520, 1560));
    QCOMPARE(picture("imgTomate")->pos(), QPoint(168, 104));
}

void TestFrmAbout::a_second_click_during_the_fall_changes_nothing()
{
    m_fx->program.about.imgIch_Click();
    tick(5);
    m_fx->program.about.imgIch_Click();
    m_fx->program.about.imgIch_Click();
    tick(100);
    QCOMPARE(tomatoAt(), QPointF(2520, 1560));
    QVERIFY(m_fx->program.about.fall().tomateGefallen);
}

void TestFrmAbout::the_invisible_tomato_still_falls()
{
    m_fx->program.about.imgTomate_DragOver(picture("imgTomate"));
    m_fx->program.about.imgIch_Click();
    tick(100);
    QCOMPARE(tomatoAt(), QPointF(2520, 1560));
    QVERIFY(!picture("imgTomate")->isVisible());
}

void TestFrmAbout::second_click_sinks_it_and_brings_it_back_from_the_top()
{
    m_fx->program.about.imgIch_Click();
    tick(100);
    m_fx->program.about.imgIch_Click();
    tick(54);
    QCOMPARE(tomatoAt(), QPointF(2520, 2100));
    tick(1);
    QCOMPARE(tomatoAt(), QPointF(2930, -500));
    tick(23);
    QCOMPARE(tomatoAt(), QPointF(2930, 420));
    QVERIFY(timer()->isActive());
    tick(1);
    QVERIFY(!timer()->isActive());
    QVERIFY(!m_fx->program.about.fall().tomateGefallen && !m_fx->program.about.fall().tomateRueckkehr);
    m_fx->program.about.imgIch_Click(); // the cycle again, from where it stands
    tick(1);
    QCOMPARE(tomatoAt(), QPointF(2905, 460));
}

void TestFrmAbout::closing_stops_the_fall_and_the_next_opening_starts_afresh()
{
    m_fx->program.about.imgIch_Click();
    tick(100);
    m_fx->program.about.imgIch_Click();
    tick(3);
    QVERIFY(timer()->isActive());
    m_fx->program.about.cmdOK_Click();
    QVERIFY(!m_fx->program.about.isLoaded());
    QTest::qWait(80); // a timer left running would tick into the unloaded window here
    openAbout();
    QVERIFY(!timer()->isActive());
    QCOMPARE(tomatoAt(), QPointF(3120, 600));
    QVERIFY(!m_fx->program.about.fall().tomateGefallen);
    m_fx->program.about.imgIch_Click();
    tick(100);
    QCOMPARE(tomatoAt(), QPointF(2520, 1560)); // the first fall again
}

void TestFrmAbout::ok_enter_esc_and_close_box_bring_back_the_caller_data()
{
    QTest::addColumn<QString>("how");
    // clang-format off
    QTest::newRow("OK") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("keypad Enter") << "keypad";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
    // clang-format on
}

void TestFrmAbout::ok_enter_esc_and_close_box_bring_back_the_caller()
{
    QFETCH(QString, how);
    FormWindow *w = m_fx->program.about.window();
    if (how == u"ok")
        click(control<QPushButton>(m_fx->program.about, "cmdOK"));
    else if (how == u"enter")
        QTest::keyClick(w, Qt::Key_Return);
    else if (how == u"keypad")
        QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
    else if (how == u"esc")
        QTest::keyClick(w, Qt::Key_Escape);
    else
        w->close();
    QVERIFY(!m_fx->program.about.isLoaded());
    QCOMPARE(m_fx->program.visibleWindow(), QStringLiteral("Rechnado"));
    QCOMPARE(m_fx->platform.ends, 0);
    QCOMPARE(modGlobals::aufrufer, QStringLiteral("Rechnado"));
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
