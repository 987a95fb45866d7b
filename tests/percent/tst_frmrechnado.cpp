// The main window as a user meets it: offscreen, driven by keys and clicks, with every message box
// and every end of the program recorded.
#include "app/controls.h"
#include "fields/amountfield.h"
#include "fields/styles.h"
#include "support/testsupport.h"
#include "support/typing.h"

#include <QMessageBox>
#include <QPushButton>

using namespace rechnado;
using namespace rechnado::test;
using namespace Qt::StringLiterals;

namespace {
const char *const kAmountFields[] = {"txtAnlagebetrag", "txtEndbetrag", "txtProzent", "txtLaufzeit",
                                     "txtZinssatz"};
}

class TestFrmRechnado : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void opens_in_its_layout_look_data();
    void opens_in_its_layout_look();
    void window_is_fixed_and_centred();
    void fields_are_named_for_screen_readers();
    void tab_order_in_zu_mode();
    void tab_order_in_von_mode_skips_term_and_rate();
    void enter_in_any_field_presses_berechnen_data();
    void enter_in_any_field_presses_berechnen();

    void mode_label_switches_and_clears();
    void mode_key_switches_from_any_field_and_is_spoken();
    void two_mode_clicks_return_to_zu_with_everything_cleared();
    void neu_after_von_returns_to_zu();
    void clock_reads_moment_mal_until_the_first_tick();
    void clock_shows_short_date_and_long_time_data();
    void clock_shows_short_date_and_long_time();
    void clock_and_difference_toggle();

    void press_shows_results_data();
    void press_shows_results();
    void results_show_whole_data();
    void results_show_whole();
    void results_follow_the_locale_data();
    void results_follow_the_locale();
    void press_again_recomputes_a_former_result();
    void emptied_field_keeps_its_remembered_value();
    void share_error_leaves_the_value_unflagged_and_the_next_press_finds_too_many();
    void impossible_values_change_nothing_but_the_press();
    void an_open_box_blocks_every_press_data();
    void an_open_box_blocks_every_press();
    void result_style_stays_until_clear();

    void tomato_walks_one_leg_per_press();
    void tomato_moves_once_per_press_on_screen();
    void joke_boxes_come_at_their_counts();
    void press_125_ends_the_program_without_calculating();
    void neu_and_mode_reset_neither_counter_nor_tomato();

    void exit_ends_the_program_at_once();
    void close_box_ends_the_program();
    void members_survive_a_trip_to_the_savings_plan();
    void tomato_comes_back_at_its_start_and_walks_on();
    void about_trip_leaves_everything_as_it_was();

private:
    AmountField *field(const char *name) const { return control<AmountField>(m_fx->program.rechnado, name); }
    Label *label(const char *name) const { return control<Label>(m_fx->program.rechnado, name); }
    QPushButton *button(const char *name) const { return control<QPushButton>(m_fx->program.rechnado, name); }
    Picture *tomato() const { return control<Picture>(m_fx->program.rechnado, "imgTomate"); }
    void enter(const char *name, const QString &text) const;
    void fill(const QStringList &texts) const;
    void press() const { button("cmdBerechnen")->click(); }
    QStringList texts() const;
    static bool inResultStyle(const AmountField *f);
    static bool inInputStyle(const AmountField *f);

    std::unique_ptr<Fixture> m_fx;
};

void TestFrmRechnado::init()
{
    m_fx = std::make_unique<Fixture>();
    m_fx->program.rechnado.show();
    QVERIFY(m_fx->program.rechnado.isVisible());
    m_fx->program.rechnado.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_fx->program.rechnado.window()));
}

void TestFrmRechnado::cleanup()
{
    const QString modal = Fixture::finish(std::move(m_fx));
    QVERIFY2(modal.isEmpty(), qPrintable(QStringLiteral("a real modal dialog opened: ") + modal));
}

void TestFrmRechnado::enter(const char *name, const QString &text) const
{
    replaceText(field(name), text);
}

void TestFrmRechnado::fill(const QStringList &values) const
{
    for (int i = 0; i < values.size(); ++i)
        if (field(kAmountFields[i])->isEnabled())
            enter(kAmountFields[i], values[i]);
}

QStringList TestFrmRechnado::texts() const
{
    QStringList out;
    for (const char *name : kAmountFields)
        out << field(name)->text();
    return out;
}

bool TestFrmRechnado::inResultStyle(const AmountField *f)
{
    // 14 points as the look asks; a text too wide for them is shown smaller, still bold.
    return f->backColour() == QColor(255, 255, 192) && !f->hasBorder() && f->fontSize() == 14.0 &&
           f->font().pointSizeF() <= 14.0 && f->font().bold() && f->isLocked();
}

bool TestFrmRechnado::inInputStyle(const AmountField *f)
{
    return f->backColour() == styles::windowBackground() && f->hasBorder() &&
           f->font().pointSizeF() == 12.0 && !f->font().bold() && !f->isLocked() && f->isEnabled();
}

void TestFrmRechnado::opens_in_its_layout_look_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");

    // clang-format off
    QTest::newRow("Der") << "lblDer" << "Der" << "";
    QTest::newRow("Rechnado") << "lblRechnado" << "Rechnado" << "";
    QTest::newRow("Version") << "lblVersion" << "Version 1.6.3" << "";
    QTest::newRow("Betrag 1") << "lblBetrag1" << "Betrag 1" << "";
    QTest::newRow("clock caption") << "lblDiff" << "Datum / Uhrzeit" << "";
    QTest::newRow("clock") << "lblDateTime" << " Moment mal ..." << "Aktuelle Zeit und Datum";
    QTest::newRow("Betrag 2") << "lblBetrag2" << "Betrag 2" << "";
    QTest::newRow("Laufzeit") << "lblLaufzeit" << "Laufzeit" << "";
    QTest::newRow("Prozent") << "lblProzent" << "% Prozent" << "";
    QTest::newRow("Zinssatz") << "lblZinssatz" << "Zinssatz" << "";
    QTest::newRow("mode") << "lblVonZu" << "1  zu  2"
                          << "Klicken, wenn  \" Betrag 1 \"  VON  \" Betrag 2 \"  berechnet werden soll.";
    QTest::newRow("Sparplan") << "cmdSparplan" << "Sparplan" << "zum Sparplan-Modus";
    QTest::newRow("About") << "cmdAbout" << "About" << "Über...";
    QTest::newRow("Neu") << "cmdNeu" << "Neu" << "Felder löschen";
    QTest::newRow("Berechnen") << "cmdBerechnen" << "Berechnen !" << "Berechnen";
    QTest::newRow("Exit") << "cmdExit" << "Exit" << "Beenden";
    QTest::newRow("txtAnlagebetrag") << "txtAnlagebetrag" << "" << "Basisbetrag / Anlagesumme / Netto";
    QTest::newRow("txtEndbetrag") << "txtEndbetrag" << "" << "Zielbetrag / Brutto";
    QTest::newRow("txtProzent") << "txtProzent" << ""
                                << "Prozentsatz (gesamt) / Steuersatz / prozentuale Veränderung";
    QTest::newRow("txtLaufzeit") << "txtLaufzeit" << "" << "Laufzeit (Jahre, Monate... )";
    QTest::newRow("txtZinssatz") << "txtZinssatz" << "" << "Zinssatz pro Laufzeit-Einheit ( pro Jahr / pro Monat )";
    QTest::newRow("txtDiff") << "txtDiff" << "" << "Differenz zwischen Betrag 1 und Betrag 2";
    // clang-format on
}

void TestFrmRechnado::opens_in_its_layout_look()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);

    QWidget *w = m_fx->program.rechnado.window()->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(shownText(w), caption);
    QCOMPARE(w->toolTip(), toolTip);
}

void TestFrmRechnado::window_is_fixed_and_centred()
{
    FormWindow *w = m_fx->program.rechnado.window();
    QCOMPARE(w->windowTitle(), QStringLiteral("Rechnado v1.6"));
    QCOMPARE(w->size(), QSize(266, 276)); // 3990 x 4140 twips
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!w->windowIcon().isNull());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(w->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(w->geometry().center().y() - screen.center().y()) <= 1);

    // Controls in the frame are placed relative to it: txtProzent at (60 + 180, 2760) twips.
    QCOMPARE(field("txtProzent")->mapTo(w, QPoint(0, 0)), QPoint(16, 184));
    QCOMPARE(field("txtAnlagebetrag")->geometry(), QRect(16, 88, 105, 25));
    QVERIFY(!field("txtDiff")->isVisible());
    QCOMPARE(tomato()->left(), 2300.0);
    QCOMPARE(tomato()->top(), 570.0);
    // The tomato lies over the title block; the frame behind everything.
    QWidget *frame = w->findChild<QWidget *>(QStringLiteral("fraEingabe"));
    QCOMPARE(frame->children().last(), tomato());
    QCOMPARE(w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).first(), frame);
    QCOMPARE(label("lblVonZu")->palette().color(QPalette::Window), QColor(0, 192, 0));
}

void TestFrmRechnado::fields_are_named_for_screen_readers()
{
    QCOMPARE(field("txtAnlagebetrag")->accessibleName(), QStringLiteral("Betrag 1"));
    QCOMPARE(field("txtProzent")->accessibleName(), QStringLiteral("% Prozent"));
    QCOMPARE(field("txtZinssatz")->accessibleDescription(),
             QStringLiteral("Zinssatz pro Laufzeit-Einheit ( pro Jahr / pro Monat )"));
    QCOMPARE(field("txtDiff")->accessibleName(), QStringLiteral("Betrag 2 - Betrag 1"));
    QCOMPARE(label("lblBetrag2")->buddy(), field("txtEndbetrag"));
}

namespace {
QStringList tabWalk(QWidget *start, int steps)
{
    QStringList names;
    start->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < steps; ++i) {
        names << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}
} // namespace

void TestFrmRechnado::tab_order_in_zu_mode()
{
    QCOMPARE(QApplication::focusWidget(), field("txtAnlagebetrag"));
    QCOMPARE(
        tabWalk(field("txtAnlagebetrag"), 11),
        (QStringList{"txtAnlagebetrag", "txtEndbetrag", "txtProzent", "txtLaufzeit", "txtZinssatz",
                     "cmdBerechnen", "cmdNeu", "cmdSparplan", "cmdExit", "cmdAbout", "txtAnlagebetrag"}));
}

void TestFrmRechnado::tab_order_in_von_mode_skips_term_and_rate()
{
    m_fx->program.rechnado.lblVonZu_Click();
    QCOMPARE(tabWalk(field("txtAnlagebetrag"), 9),
             (QStringList{"txtAnlagebetrag", "txtEndbetrag", "txtProzent", "cmdBerechnen", "cmdNeu",
                          "cmdSparplan", "cmdExit", "cmdAbout", "txtAnlagebetrag"}));
}

void TestFrmRechnado::enter_in_any_field_presses_berechnen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("keypad");
    for (const char *name : kAmountFields)
        QTest::newRow(name) << QString::fromLatin1(name) << false;
    QTest::newRow("keypad Enter") << QStringLiteral("txtProzent") << true;
}

void TestFrmRechnado::enter_in_any_field_presses_berechnen()
{
    QFETCH(QString, name);
    QFETCH(bool, keypad);
    enter("txtAnlagebetrag", QStringLiteral("100"));
    enter("txtProzent", QStringLiteral("19"));
    AmountField *f = m_fx->program.rechnado.window()->findChild<AmountField *>(name);
    f->setFocus();
    if (keypad)
        QTest::keyClick(f, Qt::Key_Enter, Qt::KeypadModifier);
    else
        QTest::keyClick(f, Qt::Key_Return);
    QCOMPARE(m_fx->program.rechnado.tomato().berechnungen, std::int16_t(1));
    QCOMPARE(field("txtEndbetrag")->text(), QStringLiteral("119,00"));
}

void TestFrmRechnado::mode_label_switches_and_clears()
{
    fill({QStringLiteral("100"), QString(), QStringLiteral("19")});
    press();
    click(label("lblVonZu"));
    QVERIFY(m_fx->program.rechnado.isVonMode());
    QVERIFY(!m_fx->program.rechnado.isZuMode());
    QCOMPARE(label("lblVonZu")->text(), QStringLiteral("1 von 2"));
    QCOMPARE(label("lblVonZu")->palette().color(QPalette::Window), QColor(255, 128, 128));
    QCOMPARE(label("lblVonZu")->toolTip(),
             QStringLiteral("Klicken, wenn  von \" Betrag 1 \"  ZU  \" Betrag 2 \"  berechnet werden soll."));
    for (const char *name : {"txtLaufzeit", "txtZinssatz"})
        QVERIFY(!field(name)->isEnabled());
    QVERIFY(!label("lblLaufzeit")->isEnabled());
    QVERIFY(!label("lblZinssatz")->isEnabled());
    QVERIFY(label("lblProzent")->isEnabled());
    QCOMPARE(texts(), QStringList(5, QString()));
    QVERIFY(inInputStyle(field("txtEndbetrag")));
    QVERIFY(!field("txtDiff")->isVisible());
    QCOMPARE(label("lblDiff")->text(), QStringLiteral("Datum / Uhrzeit"));
}

void TestFrmRechnado::mode_key_switches_from_any_field_and_is_spoken()
{
    enter("txtProzent", QStringLiteral("19"));
    QTest::keyClick(field("txtProzent"), Qt::Key_M, Qt::ControlModifier);
    QVERIFY(m_fx->program.rechnado.isVonMode());
    // A greyed field takes no screen reader's edit either.
    QAccessible::queryAccessibleInterface(field("txtZinssatz"))
        ->editableTextInterface()
        ->insertText(0, u"-"_s);
    QCOMPARE(field("txtZinssatz")->text(), QString());
    QCOMPARE(field("txtProzent")->text(), QString());
    QVERIFY(field("txtProzent")->hasFocus());
    QCOMPARE(announced(m_fx->program.rechnado), QStringLiteral("Modus 1 von 2"));
    // A screen reader reads the key in the label's description and can press the label itself.
    QAccessibleInterface *mode = QAccessible::queryAccessibleInterface(label("lblVonZu"));
    QVERIFY(mode->text(QAccessible::Description).endsWith(QStringLiteral(" Tastenkürzel: Strg+M")));
    mode->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(m_fx->program.rechnado.isZuMode());
    QCOMPARE(announced(m_fx->program.rechnado), QStringLiteral("Modus 1  zu  2"));
    // Held down, the key repeats, marked as a repeat or, as an X server repeats it, as a release and a
    // press of the same moment; the mode switches once.
    for (const bool repeat : {false, true, true})
        QTest::simulateEvent(field("txtProzent"), true, Qt::Key_M, Qt::ControlModifier, QString(), repeat);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_M, Qt::ControlModifier);
    release.setTimestamp(5000);
    QApplication::sendEvent(field("txtProzent"), &release);
    qt_sendShortcutOverrideEvent(field("txtProzent"), 5000, Qt::Key_M, Qt::ControlModifier);
    QVERIFY(m_fx->program.rechnado.isVonMode());
}

void TestFrmRechnado::two_mode_clicks_return_to_zu_with_everything_cleared()
{
    fill({QStringLiteral("100"), QString(), QStringLiteral("19")});
    press();
    const double left = tomato()->left();
    m_fx->program.rechnado.lblVonZu_Click();
    m_fx->program.rechnado.lblVonZu_Click();
    QVERIFY(m_fx->program.rechnado.isZuMode());
    QCOMPARE(label("lblVonZu")->text(), QStringLiteral("1  zu  2"));
    QCOMPARE(label("lblVonZu")->palette().color(QPalette::Window), QColor(0, 192, 0));
    for (const char *name : kAmountFields)
        QVERIFY2(inInputStyle(field(name)) && field(name)->text().isEmpty(), name);
    QCOMPARE(field("txtProzent")->foreColour(), QColor(0, 0, 0));
    for (Field f :
         {Field::Anlagebetrag, Field::Endbetrag, Field::Prozent, Field::Laufzeit, Field::Zinssatz}) {
        QCOMPARE(m_fx->program.rechnado.value(f), 0.0);
        QVERIFY(!m_fx->program.rechnado.isResult(f));
    }
    QCOMPARE(m_fx->program.rechnado.lastDifference(), 0.0);
    QCOMPARE(m_fx->program.rechnado.tomato().berechnungen, std::int16_t(1));
    QCOMPARE(tomato()->left(), left);
}

void TestFrmRechnado::neu_after_von_returns_to_zu()
{
    m_fx->program.rechnado.lblVonZu_Click();
    click(button("cmdNeu"));
    QVERIFY(m_fx->program.rechnado.isZuMode());
    QCOMPARE(label("lblVonZu")->text(), QStringLiteral("1  zu  2"));
    QVERIFY(field("txtLaufzeit")->isEnabled() && field("txtZinssatz")->isEnabled());
    QVERIFY(label("lblLaufzeit")->isEnabled() && label("lblZinssatz")->isEnabled());
}

void TestFrmRechnado::clock_reads_moment_mal_until_the_first_tick()
{
    QTimer *timer = m_fx->program.rechnado.window()->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QCOMPARE(label("lblDateTime")->text(), QStringLiteral(" Moment mal ..."));
    QTRY_COMPARE_WITH_TIMEOUT(label("lblDateTime")->text(), QStringLiteral("07.12.26\r\n09:05:03"), 1500);
    QCOMPARE(label("lblDateTime")->font().pointSizeF(), 8.25); // two lines in its own font
}

void TestFrmRechnado::clock_shows_short_date_and_long_time_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("de") << german() << QTime(9, 5, 3) << "07.12.26\r\n09:05:03";
    QTest::newRow("en") << english() << QTime(9, 5, 3) << "12/7/26\r\n9:05:03 AM";
    QTest::newRow("en evening") << english() << QTime(22, 59, 41) << "12/7/26\r\n10:59:41 PM";
    QTest::newRow("uz without the zone's brackets")
        << QLocale(u"uz_UZ"_s) << QTime(22, 59, 41) << "07/12/26\r\n22:59:41";
}

void TestFrmRechnado::clock_shows_short_date_and_long_time()
{
    QFETCH(QLocale, locale);
    QFETCH(QTime, time);
    QFETCH(QString, text);
    LocaleScope scope(locale);
    m_fx->platform.clock.setTime(time);
    m_fx->program.rechnado.Timer1_Timer();
    QLabel *clock = label("lblDateTime");
    QCOMPARE(clock->text(), text);
    // Whole, in its two lines.
    const QFontMetrics metrics(clock->font());
    const QRect needed = metrics.boundingRect(clock->contentsRect(),
                                              int(clock->alignment()) | Qt::TextWordWrap, clock->text());
    QVERIFY(needed.width() <= clock->contentsRect().width());
    QVERIFY(needed.height() < 3 * metrics.height() && needed.height() <= clock->contentsRect().height());
}

void TestFrmRechnado::clock_and_difference_toggle()
{
    click(label("lblDateTime"));
    QVERIFY(!label("lblDateTime")->isVisible());
    QVERIFY(field("txtDiff")->isVisible());
    QCOMPARE(field("txtDiff")->text(), QString());
    QCOMPARE(label("lblDiff")->text(), QStringLiteral("Betrag 2 - Betrag 1"));
    m_fx->platform.clock = m_fx->platform.clock.addSecs(60);
    m_fx->program.rechnado.Timer1_Timer(); // the hidden clock goes on
    click(field("txtDiff"));
    QVERIFY(label("lblDateTime")->isVisible());
    QVERIFY(!field("txtDiff")->isVisible());
    QCOMPARE(label("lblDiff")->text(), QStringLiteral("Datum / Uhrzeit"));
    QCOMPARE(label("lblDateTime")->text(), QStringLiteral("07.12.26\r\n09:06:03"));
}

void TestFrmRechnado::press_shows_results_data()
{
    QTest::addColumn<bool>("von");
    QTest::addColumn<QStringList>("input");    // Betrag 1, Betrag 2, Prozent, Laufzeit, Zinssatz
    QTest::addColumn<QStringList>("expected"); // the five texts after the press
    QTest::addColumn<QString>("diff");         // txtDiff, "" when DiffCalc does not run
    QTest::addColumn<QString>("prozentColour");
    QTest::addColumn<QString>("box");

    const QString werteFehlen = QStringLiteral("Werte fehlen, oder sind falsch !");
    const QString anteil = QStringLiteral("Sie wollen einen größeren Anteil von einem kleineren berechnen !");
    const QString unmoeglich = QStringLiteral("Mit diesen Werten ist keine Berechnung möglich !");
    using L = QStringList;
    // clang-format off
    QTest::newRow("gross from net") << false << L{"100", "", "19"} << L{"100", "119,00", "19", "", ""} << "+19,00"
                                    << "black" << "";
    QTest::newRow("net from gross") << false << L{"", "119", "19"} << L{"100,00", "119", "19", "", ""} << "+19,00"
                                    << "black" << "";
    QTest::newRow("compound interest") << false << L{"1000", "", "", "10", "5"}
                                       << L{"1000", "1628,89", "+62,89%", "10", "5"} << "+628,89" << "green" << "";
    QTest::newRow("rate") << false << L{"1000", "2000", "", "10", ""} << L{"1000", "2000", "+100,00%", "10", "7,18%"}
                          << "+1000,00" << "green" << "";
    QTest::newRow("present value") << false << L{"", "2000", "", "10", "5"}
                                   << L{"1227,83", "2000", "+62,89%", "10", "5"} << "+772,17" << "green" << "";
    QTest::newRow("term") << false << L{"1000", "2000", "", "", "5"} << L{"1000", "2000", "+100,00%", "14,21", "5"}
                          << "+1000,00" << "green" << "";
    QTest::newRow("rate from total") << false << L{"", "", "100", "10", ""} << L{"", "", "100", "10", "7,18%"} << ""
                                     << "black" << "";
    QTest::newRow("total from rate") << false << L{"", "", "", "10", "5"} << L{"", "", "62,89%", "10", "5"} << ""
                                     << "black" << "";
    QTest::newRow("term from total") << false << L{"", "", "100", "", "5"} << L{"", "", "100", "14,21", "5"} << ""
                                     << "black" << "";
    QTest::newRow("rate then gross") << false << L{"1000", "", "100", "10", ""}
                                     << L{"1000", "2000,00", "100", "10", "7,18%"} << "+1000,00" << "black" << "";
    QTest::newRow("rate then net") << false << L{"", "2000", "100", "10", ""}
                                   << L{"1000,00", "2000", "100", "10", "7,18%"} << "+1000,00" << "black" << "";
    QTest::newRow("increase") << false << L{"100", "150"} << L{"100", "150", "+50,00%", "", ""} << "+50,00" << "green"
                              << "";
    QTest::newRow("decrease") << false << L{"150", "100"} << L{"150", "100", "-33,33%", "", ""} << "-50,00" << "red"
                              << "";
    QTest::newRow("no change is red") << false << L{"100", "100"} << L{"100", "100", "0,00%", "", ""} << "0,00"
                                      << "red" << "";
    QTest::newRow("tiny increase is green") << false << L{"100", "100,001"} << L{"100", "100,001", "+0,00%", "", ""}
                                            << "+0,00" << "green" << "";
    QTest::newRow("difference in double precision") << false << L{"1", "1000001,05"}
                                                    << L{"1", "1000001,05", "+100000005,00%", "", ""}
                                                    << "+1000000,05" << "green" << "";
    QTest::newRow("zero counts as wanted") << false << L{"100", "0", "10"} << L{"100", "110,00", "10", "", ""}
                                           << "+10,00" << "black" << "";
    QTest::newRow("half cent of VAT rounds up") << false << L{"2,50", "", "7"} << L{"2,50", "2,68", "7", "", ""}
                                               << "+0,18" << "black" << "";
    QTest::newRow("half cent of interest rounds up") << false << L{"100,50", "", "1"}
                                                     << L{"100,50", "101,51", "1", "", ""} << "+1,01" << "black" << "";
    QTest::newRow("exact tie beyond a billion") << false << L{"1234567,125", "", "100000000"}
        << L{"1234567,125", "1234568359567,13", "100000000", "", ""} << "+1234567125000,00" << "black" << "";
    QTest::newRow("no second rounding") << false << L{"89867717641", "", "12,45"}
        << L{"89867717641", "101056248487,30", "12,45", "", ""} << "+11188530846,30" << "black" << "";
    QTest::newRow("difference of a half cent") << false << L{"1,50", "", "1"} << L{"1,50", "1,52", "1", "", ""}
        << "+0,02" << "black" << "";
    QTest::newRow("difference of a half cent past 100 %") << false << L{"35,3", "", "585"}
        << L{"35,3", "241,81", "585", "", ""} << "+206,51" << "black" << "";
    QTest::newRow("difference reads as the amounts") << false << L{"9,50", "", "7"} << L{"9,50", "10,17", "7", "", ""}
        << "+0,67" << "black" << "";
    QTest::newRow("von half cent") << true << L{"", "100,50", "1"} << L{"1,01", "100,50", "1", "", ""} << "+99,50"
                                   << "black" << "";
    QTest::newRow("von share") << true << L{"50", "200"} << L{"50", "200", "+25,00%", "", ""} << "+150,00" << "green"
                               << "";
    QTest::newRow("von part") << true << L{"", "200", "25"} << L{"50,00", "200", "25", "", ""} << "+150,00" << "black"
                              << "";
    QTest::newRow("von whole") << true << L{"50", "", "25"} << L{"50", "200,00", "25", "", ""} << "+150,00" << "black"
                               << "";
    QTest::newRow("von exactly 100") << true << L{"200", "200"} << L{"200", "200", "+100,00%", "", ""} << "0,00"
                                     << "green" << "";
    QTest::newRow("von share too large") << true << L{"300", "200"} << L{"300", "200", "150,00%", "", ""} << ""
                                         << "black" << anteil;
    QTest::newRow("all empty") << false << L{} << L{"", "", "", "", ""} << "" << "black" << werteFehlen;
    QTest::newRow("too many values") << false << L{"100", "119", "19"} << L{"100", "119", "19", "", ""} << ""
                                     << "black" << werteFehlen;
    QTest::newRow("two commas read as nothing") << false << L{"1,,5", "", "19"} << L{"1,,5", "", "19", "", ""} << ""
                                                << "black" << werteFehlen;
    QTest::newRow("minus between digits") << false << L{"100", "", "1-9"} << L{"100", "", "1-9", "", ""} << ""
                                          << "black" << werteFehlen;
    QTest::newRow("divisor of zero") << false << L{"", "119", "-100"} << L{"", "119", "-100", "", ""} << ""
                                     << "black" << unmoeglich;
    QTest::newRow("equal amounts have no term") << false << L{"1000", "1000", "", "", "5"}
                                                << L{"1000", "1000", "", "", "5"} << "" << "black" << unmoeglich;
    QTest::newRow("beyond a double") << false << L{"1000", "", "", "99999999999", "5"}
                                     << L{"1000", "", "", "99999999999", "5"} << "" << "black" << unmoeglich;
    // clang-format on
}

void TestFrmRechnado::press_shows_results()
{
    QFETCH(bool, von);
    QFETCH(QStringList, input);
    QFETCH(QStringList, expected);
    QFETCH(QString, diff);
    QFETCH(QString, prozentColour);
    QFETCH(QString, box);

    if (von)
        click(label("lblVonZu"));
    fill(input);
    press();

    QCOMPARE(texts(), expected);
    // A screen reader hears each result of a press that computes, by its field's name.
    const QString told = box.isEmpty() ? announced(m_fx->program.rechnado) : QString();
    for (int i = 0; i < 5; ++i) {
        const bool computed = expected[i] != (i < input.size() ? input[i] : QString());
        QVERIFY2(inResultStyle(field(kAmountFields[i])) == computed, kAmountFields[i]);
        const QString result = field(kAmountFields[i])->accessibleName() + u' ' + expected[i];
        QVERIFY2(told.contains(result) == (computed && box.isEmpty()), qPrintable(told));
    }
    QCOMPARE(told.endsWith(QStringLiteral("Differenz ") + diff), box.isEmpty() && !diff.isEmpty());
    QCOMPARE(field("txtDiff")->isVisible(), !diff.isEmpty());
    QCOMPARE(field("txtDiff")->text(), diff);
    if (!diff.isEmpty()) {
        QCOMPARE(label("lblDiff")->text(), QStringLiteral("Betrag 2 - Betrag 1"));
        QCOMPARE(field("txtDiff")->foreColour(), diff.startsWith(u'+') ? styles::green() : styles::red());
    }
    const QColor colour = prozentColour == u"green" ? styles::green()
                          : prozentColour == u"red" ? styles::red()
                                                    : styles::black();
    QCOMPARE(field("txtProzent")->foreColour(), colour);

    if (box.isEmpty()) {
        QVERIFY(m_fx->platform.boxes.isEmpty());
    } else {
        QCOMPARE(m_fx->platform.boxes.size(), 1);
        QCOMPARE(m_fx->platform.boxes[0].text, box);
        QCOMPARE(m_fx->platform.boxes[0].title, QStringLiteral("Fehler !"));
        QCOMPARE(m_fx->platform.boxes[0].icon, MsgIcon::Information);
        QCOMPARE(m_fx->platform.boxes[0].buttons, MsgButtons::Ok);
    }
    for (const QString &text : texts())
        QVERIFY2(!text.contains(u"inf", Qt::CaseInsensitive) && !text.contains(u"nan", Qt::CaseInsensitive),
                 qPrintable(text));
}

void TestFrmRechnado::results_show_whole_data()
{
    QTest::addColumn<QStringList>("input");
    using L = QStringList;
    QTest::newRow("eleven digits and a sign") << L{"10000000", "", "19"};
    QTest::newRow("a trillion and its change") << L{"12345678901", "", "10000"};
    QTest::newRow("a negative difference of trillions") << L{"", "12345678901", "-99,9"};
    QTest::newRow("a change too wide shows its start") << L{"0,01", "99999999999"};
    QTest::newRow("an amount too wide shows its start") << L{"99999999999", "", "99999999", "99"};
}

void TestFrmRechnado::results_show_whole()
{
    QFETCH(QStringList, input);
    fill(input);
    press();
    QVERIFY(m_fx->platform.boxes.isEmpty());
    int shown = 0;
    for (const char *name :
         {"txtAnlagebetrag", "txtEndbetrag", "txtProzent", "txtLaufzeit", "txtZinssatz", "txtDiff"}) {
        AmountField *f = field(name);
        if (!f->isLocked() || !f->isVisible() || f->text().isEmpty())
            continue;
        ++shown;
        QVERIFY(f->font().bold());
        // Up to "-1234567890123,45" whole; anything wider in the smallest font, from its start.
        if (!showsWhole(f))
            QVERIFY2(f->text().size() > 17 && f->font().pointSizeF() == AmountField::kSmallestPoints &&
                         f->cursorPosition() == 0,
                     qPrintable(f->text()));
    }
    QVERIFY(shown >= 2);
}

void TestFrmRechnado::results_follow_the_locale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("input"); // typed key by key
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("diff");
    QTest::addColumn<QString>("box");
    using L = QStringList;
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const QLocale swiss(QLocale::German, QLocale::Switzerland);
    // clang-format off
    QTest::newRow("en") << english() << L{"1000", "", "", "10", "5"} << L{"1000", "1628.89", "+62.89%", "10", "5"}
                        << "+628.89" << "";
    QTest::newRow("en grouped typing is not replaced") << english() << L{"1,000", "2200", "10"}
                                                       << L{"1,000", "2200", "10", "", ""} << ""
                                                       << "Werte fehlen, oder sind falsch !";
    QTest::newRow("en comma reads as nothing") << english() << L{"1,5", "", "10"} << L{"1,5", "", "10", "", ""} << ""
                                               << "Werte fehlen, oder sind falsch !";
    QTest::newRow("sv typed minus") << swedish << L{"100", "", "-5"} << L{"100", "95,00", "-5", "", ""} << "-5,00" << "";
    QTest::newRow("sv negative change") << swedish << L{"150", "100"} << L{"150", "100", "-33,33%", "", ""}
                                        << "-50,00" << "";
    QTest::newRow("ch typed point") << swiss << L{"100", "", "7.7"} << L{"100", "107.70", "7.7", "", ""} << "+7.70"
                                    << "";
    // clang-format on
}

void TestFrmRechnado::results_follow_the_locale()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, input);
    QFETCH(QStringList, expected);
    QFETCH(QString, diff);
    QFETCH(QString, box);
    LocaleScope scope(locale);
    fill(input);
    press();
    QCOMPARE(texts(), expected);
    QCOMPARE(field("txtDiff")->text(), diff);
    QCOMPARE(m_fx->platform.boxes.isEmpty() ? QString() : m_fx->platform.boxes.last().text, box);
}

void TestFrmRechnado::press_again_recomputes_a_former_result()
{
    fill({QStringLiteral("100"), QString(), QStringLiteral("10")});
    press();
    QCOMPARE(field("txtEndbetrag")->text(), QStringLiteral("110,00"));
    enter("txtProzent", QStringLiteral("20"));
    press();
    QCOMPARE(field("txtEndbetrag")->text(), QStringLiteral("120,00"));
    QVERIFY(m_fx->program.rechnado.isResult(Field::Endbetrag));
    QVERIFY(m_fx->platform.boxes.isEmpty());
}

void TestFrmRechnado::emptied_field_keeps_its_remembered_value()
{
    fill({QStringLiteral("100"), QString(), QStringLiteral("10")});
    press();
    enter("txtAnlagebetrag", QString());
    press();
    QCOMPARE(field("txtAnlagebetrag")->text(), QString());
    QCOMPARE(field("txtEndbetrag")->text(), QStringLiteral("110,00"));
    QCOMPARE(m_fx->program.rechnado.value(Field::Anlagebetrag), 100.0);
}

void TestFrmRechnado::share_error_leaves_the_value_unflagged_and_the_next_press_finds_too_many()
{
    m_fx->program.rechnado.lblVonZu_Click();
    fill({QStringLiteral("300"), QStringLiteral("200")});
    press();
    QCOMPARE(field("txtProzent")->text(), QStringLiteral("150,00%"));
    QVERIFY(inResultStyle(field("txtProzent")));
    QVERIFY(!m_fx->program.rechnado.isResult(Field::Prozent));
    QCOMPARE(m_fx->program.rechnado.value(Field::Prozent), 150.0);
    QVERIFY(!field("txtDiff")->isVisible());
    press();
    QCOMPARE(m_fx->platform.boxes.size(), 2);
    QCOMPARE(m_fx->platform.boxes[1].text, QStringLiteral("Werte fehlen, oder sind falsch !"));
    QCOMPARE(field("txtProzent")->text(), QStringLiteral("150,00%"));
}

void TestFrmRechnado::impossible_values_change_nothing_but_the_press()
{
    fill({QString(), QStringLiteral("119"), QStringLiteral("19")});
    press();
    QCOMPARE(field("txtAnlagebetrag")->text(), QStringLiteral("100,00"));
    // The former result is wanted again, then -100 % leaves nothing to divide by.
    enter("txtProzent", QStringLiteral("-100"));
    press();
    QCOMPARE(m_fx->platform.boxes.size(), 1);
    QCOMPARE(m_fx->platform.boxes.last().text,
             QStringLiteral("Mit diesen Werten ist keine Berechnung möglich !"));
    QCOMPARE(texts(), (QStringList{"", "119", "-100", "", ""}));
    QCOMPARE(field("txtDiff")->text(), QStringLiteral("+19,00"));
    QCOMPARE(m_fx->program.rechnado.tomato().berechnungen, std::int16_t(2));
}

void TestFrmRechnado::result_style_stays_until_clear()
{
    fill({QStringLiteral("100"), QString(), QStringLiteral("10")});
    press();
    enter("txtAnlagebetrag", QStringLiteral("1"));
    enter("txtProzent", QStringLiteral("1"));
    press(); // emptied and computed again
    QVERIFY(inResultStyle(field("txtEndbetrag")));
    enter("txtProzent", QStringLiteral("1,,"));
    fill({QString(), QString()});
    QVERIFY(inResultStyle(field("txtEndbetrag")));
    click(button("cmdNeu"));
    QVERIFY(inInputStyle(field("txtEndbetrag")));
}

void TestFrmRechnado::tomato_walks_one_leg_per_press()
{
    const QList<QPointF> expected{{919, 570}, {919, 229}, {2301, 229}, {2301, 571}, {919, 571}};
    for (const QPointF &at : expected) {
        press();
        QCOMPARE(QPointF(tomato()->left(), tomato()->top()), at);
    }
    QCOMPARE(tomato()->pos(), QPoint(61, 38)); // 919 and 571 twips, rounded to pixels
}

namespace {
class MoveCounter : public QObject {
public:
    int moves = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move)
            ++moves;
        return false;
    }
};
} // namespace

void TestFrmRechnado::tomato_moves_once_per_press_on_screen()
{
    MoveCounter counter;
    tomato()->installEventFilter(&counter);
    press();
    QCoreApplication::processEvents();
    QCOMPARE(counter.moves, 1);
}

void TestFrmRechnado::joke_boxes_come_at_their_counts()
{
    fill({QStringLiteral("100"), QString(), QStringLiteral("19")});
    QList<int> boxedAt;
    int presses = 0;
    m_fx->platform.onBox = [&](const Box &box) {
        boxedAt << presses;
        QCOMPARE(box.buttons, MsgButtons::OkHelp);
        QCOMPARE(box.title, QStringLiteral("Berechnungen: %1").arg(presses));
    };
    for (presses = 1; presses <= 100; ++presses)
        press();
    QCOMPARE(boxedAt, (QList<int>{15, 30, 50, 100}));
    QCOMPARE(m_fx->platform.boxes[0].icon, MsgIcon::None);
    QCOMPARE(m_fx->platform.boxes[1].text, QStringLiteral("Du bist aber ganz schön eifrig !"));
    // Every press after a joke still calculates.
    QCOMPARE(field("txtEndbetrag")->text(), QStringLiteral("119,00"));
    QCOMPARE(m_fx->platform.ends, 0);
}

void TestFrmRechnado::press_125_ends_the_program_without_calculating()
{
    fill({QStringLiteral("100"), QString(), QStringLiteral("19")});
    for (int i = 1; i < 124; ++i)
        press();
    fill({QStringLiteral("200")});
    press(); // 124th
    QCOMPARE(field("txtEndbetrag")->text(), QStringLiteral("238,00"));
    enter("txtProzent", QStringLiteral("10"));
    const QPointF before(tomato()->left(), tomato()->top());
    QStringList atBox;
    QPointF tomatoAtBox;
    m_fx->platform.onBox = [&](const Box &) {
        atBox = texts();
        tomatoAtBox = QPointF(tomato()->left(), tomato()->top());
    };
    press();
    QCOMPARE(m_fx->platform.boxes.last().title, QStringLiteral("Berechnungen: 125"));
    QCOMPARE(m_fx->platform.boxes.last().icon, MsgIcon::Critical);
    QCOMPARE(atBox, (QStringList{"200", "238,00", "10", "", ""})); // the former result not even emptied
    QVERIFY(tomatoAtBox != before);
    QCOMPARE(m_fx->platform.ends, 1);
    QVERIFY(!m_fx->program.rechnado.isLoaded());
}

void TestFrmRechnado::neu_and_mode_reset_neither_counter_nor_tomato()
{
    press();
    press();
    click(button("cmdNeu"));
    click(label("lblVonZu"));
    QCOMPARE(m_fx->program.rechnado.tomato().berechnungen, std::int16_t(2));
    QCOMPARE(m_fx->program.rechnado.tomato().tomatePhase, std::int16_t(2));
    QCOMPARE(QPointF(tomato()->left(), tomato()->top()), QPointF(919, 229));
}

void TestFrmRechnado::exit_ends_the_program_at_once()
{
    click(button("cmdExit"));
    QVERIFY(!m_fx->program.rechnado.isLoaded());
    QCOMPARE(m_fx->platform.ends, 1);
    QVERIFY(m_fx->platform.boxes.isEmpty());
}

void TestFrmRechnado::close_box_ends_the_program()
{
    fill({QStringLiteral("100")});
    m_fx->program.rechnado.window()->close();
    QVERIFY(!m_fx->program.rechnado.isLoaded());
    QCOMPARE(m_fx->platform.ends, 1);
    // The close box does not clear: the members keep what they had.
    QCOMPARE(m_fx->program.visibleWindow(), QString());
}

void TestFrmRechnado::members_survive_a_trip_to_the_savings_plan()
{
    for (int i = 0; i < 10; ++i)
        press();
    click(button("cmdSparplan"));
    QCOMPARE(m_fx->program.visibleWindow(), QStringLiteral("Sparplan"));
    QVERIFY(!m_fx->program.rechnado.isLoaded());
    Program::flushDeletes();
    m_fx->program.sparplan.cmdBack_Click();
    QCOMPARE(m_fx->program.visibleWindow(), QStringLiteral("Rechnado"));
    QCOMPARE(label("lblDateTime")->text(), QStringLiteral(" Moment mal ..."));
    QVERIFY(m_fx->program.rechnado.isZuMode());
    for (int i = 0; i < 5; ++i)
        press();
    QCOMPARE(m_fx->platform.boxes.size(), 16); // fifteen "Werte fehlen" and the joke
    QCOMPARE(m_fx->platform.boxes[14].title, QStringLiteral("Berechnungen: 15"));
    QCOMPARE(m_fx->platform.ends, 0);
}

void TestFrmRechnado::tomato_comes_back_at_its_start_and_walks_on()
{
    press();
    press();
    fill({QStringLiteral("5")});
    m_fx->program.rechnado.cmdSparplan_Click();
    m_fx->program.sparplan.cmdBack_Click();
    QCOMPARE(QPointF(tomato()->left(), tomato()->top()), QPointF(2300, 570));
    QCOMPARE(texts(), QStringList(5, QString()));
    QCOMPARE(m_fx->program.rechnado.value(Field::Anlagebetrag), 0.0);
    press();
    QCOMPARE(QPointF(tomato()->left(), tomato()->top()), QPointF(2301, 570));
}

void TestFrmRechnado::about_trip_leaves_everything_as_it_was()
{
    m_fx->program.rechnado.lblVonZu_Click();
    fill({QStringLiteral("50"), QStringLiteral("200")});
    press();
    const QStringList before = texts();
    const QPointF tomatoBefore(tomato()->left(), tomato()->top());
    click(button("cmdAbout"));
    QCOMPARE(m_fx->program.visibleWindow(), QStringLiteral("About"));
    QCOMPARE(modGlobals::aufrufer, QStringLiteral("Rechnado"));
    QVERIFY(m_fx->program.rechnado.isLoaded());
    m_fx->program.about.cmdOK_Click();
    QCOMPARE(m_fx->program.visibleWindow(), QStringLiteral("Rechnado"));
    QCOMPARE(texts(), before);
    QCOMPARE(field("txtProzent")->foreColour(), styles::green());
    QVERIFY(inResultStyle(field("txtProzent")));
    QCOMPARE(label("lblVonZu")->text(), QStringLiteral("1 von 2"));
    QCOMPARE(field("txtDiff")->text(), QStringLiteral("+150,00"));
    QVERIFY(field("txtDiff")->isVisible());
    QCOMPARE(QPointF(tomato()->left(), tomato()->top()), tomatoBefore);
}

void TestFrmRechnado::an_open_box_blocks_every_press_data()
{
    QTest::addColumn<QString>("window");
    // Pressed, or edited, by a screen reader while the box is open; "Rechnado/" names a control of
    // the main window hidden behind the About window.
    QTest::addColumn<QStringList>("pressed");
    using L = QStringList;
    QTest::newRow("Fehler ! over the main window")
        << "Rechnado" << L{"cmdSparplan",  "cmdAbout", "cmdExit",     "cmdNeu",
                           "cmdBerechnen", "lblVonZu", "lblDateTime", "txtAnlagebetrag"};
    QTest::newRow("Fehler ! over the savings plan")
        << "Sparplan" << L{"cmdBack", "cmdAbout", "cmdExit", "cmdNeu", "txtSparrate"};
    QTest::newRow("Hey ! over the About window, the main window hidden")
        << "About..."
        << L{"cmdOK", "imgIch", "Rechnado/cmdSparplan", "Rechnado/cmdBerechnen", "Rechnado/txtProzent"};
}

void TestFrmRechnado::an_open_box_blocks_every_press()
{
    QFETCH(QString, window);
    QFETCH(QStringList, pressed);
    Program &p = m_fx->program;
    Form *form = &p.rechnado;
    if (window == u"Sparplan") {
        p.rechnado.cmdSparplan_Click();
        form = &p.sparplan;
    } else if (window != u"Rechnado") {
        p.rechnado.cmdAbout_Click();
        form = &p.about;
    }
    Program::flushDeletes();
    const auto state = [&] {
        QStringList seen{p.visibleWindow(), QString::number(p.sparplan.isLoaded()),
                         QString::number(p.rechnado.isVonMode()), announced(*form)};
        for (const Form *shown : {static_cast<Form *>(&p.rechnado), form})
            if (shown->window())
                for (const AmountField *f : shown->window()->findChildren<AmountField *>())
                    seen << f->text();
        return seen.join(u'|');
    };
    const QString before = state();
    const auto pressAll = [&](bool hiddenOnly) {
        for (const QString &name : pressed) {
            const bool hidden = name.startsWith(u"Rechnado/");
            QWidget *control =
                (hidden ? &p.rechnado : form)->window()->findChild<QWidget *>(name.section(u'/', -1));
            QAccessibleInterface *told = QAccessible::queryAccessibleInterface(control);
            if (hiddenOnly && !hidden)
                continue;
            if (QAccessibleEditableTextInterface *edit = told->editableTextInterface())
                edit->insertText(0, u"7"_s);
            else
                told->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        Program::flushDeletes(); // what an unload let go of goes now
    };
    pressAll(true); // a hidden window takes no press, box or not
    QCOMPARE(state(), before);
    // The real desktop's boxes; each is pressed through from inside its own event loop, then closed.
    Platform *recording = setPlatform(nullptr);
    QStringList titles;
    QTimer inside;
    connect(&inside, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (titles.isEmpty())
            pressAll(false);
        titles << box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    inside.start(10);
    if (form == &p.about)
        p.about.imgIch_DragDrop(form->window()->findChild<QWidget *>(QStringLiteral("imgTomate")));
    else
        form->window()->findChild<QPushButton *>(QStringLiteral("cmdBerechnen"))->click();
    setPlatform(recording);
    QCOMPARE(titles.value(0), form == &p.about ? QStringLiteral("Hey !") : QStringLiteral("Fehler !"));
    QCOMPARE(state(), before);
    QCOMPARE(m_fx->platform.ends, 0);
    if (form == &p.about)
        QVERIFY(!form->window()->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    m_fx->watchdog.takeSeen();
}

QTEST_MAIN(TestFrmRechnado)
#include "tst_frmrechnado.moc"
