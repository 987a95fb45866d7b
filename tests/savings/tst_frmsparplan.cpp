// The savings-plan window as a user meets it, and the switching between the calculator windows.
#include "app/controls.h"
#include "fields/amountfield.h"
#include "fields/styles.h"
#include "support/testsupport.h"
#include "support/typing.h"

#include <QPushButton>

using namespace rechnado;
using namespace rechnado::test;

namespace {
const char *const kInputs[] = {"txtSparrate", "txtMalProJahr", "txtLaufzeit", "txtProzent"};
const char *const kResults[] = {"txtAnlagesumme", "txtEndsumme", "txtAbsGewinn", "txtProzGewinn"};
} // namespace

class TestFrmSparplan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void opens_with_twelve_deposits_and_disabled_results();
    void captions_and_tool_tips_data();
    void captions_and_tool_tips();
    void result_fields_have_their_fixed_look();
    void tab_order_never_stops_on_a_result();
    void fields_filter_as_their_kind_data();
    void fields_filter_as_their_kind();
    void enter_in_any_input_calculates_data();
    void enter_in_any_input_calculates();
    void worked_examples_data();
    void worked_examples();
    void results_follow_an_english_locale();
    void neu_keeps_the_deposits_per_year();
    void refusals_change_no_field_data();
    void refusals_change_no_field();
    void emptied_deposit_is_remembered();
    void counts_its_own_presses();
    void press_125_ends_without_calculating();
    void back_clears_and_returns_to_the_main_window();
    void a_return_trip_brings_the_default_back();
    void exit_and_close_box_end_the_program();
    void about_and_its_close_box_bring_the_savings_plan_back();

private:
    frmSparplan &form() const { return m_fx->program.sparplan; }
    AmountField *field(const char *name) const { return control<AmountField>(form(), name); }
    QPushButton *button(const char *name) const { return control<QPushButton>(form(), name); }
    void enter(const char *name, const QString &text) const;
    void press() const { button("cmdBerechnen")->click(); }
    QStringList results() const;

    std::unique_ptr<Fixture> m_fx;
};

void TestFrmSparplan::init()
{
    m_fx = std::make_unique<Fixture>();
    m_fx->program.rechnado.show();
    m_fx->program.rechnado.cmdSparplan_Click();
    QCOMPARE(m_fx->program.visibleWindow(), QStringLiteral("Sparplan"));
    form().window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form().window()));
}

void TestFrmSparplan::cleanup()
{
    const QString modal = Fixture::finish(std::move(m_fx));
    QVERIFY2(modal.isEmpty(), qPrintable(QStringLiteral("a real modal dialog opened: ") + modal));
}

void TestFrmSparplan::enter(const char *name, const QString &text) const
{
    replaceText(field(name), text);
}

QStringList TestFrmSparplan::results() const
{
    QStringList out;
    for (const char *name : kResults)
        out << field(name)->text();
    return out;
}

void TestFrmSparplan::opens_with_twelve_deposits_and_disabled_results()
{
    QCOMPARE(field("txtMalProJahr")->text(), QStringLiteral("12"));
    for (const char *name : {"txtSparrate", "txtLaufzeit", "txtProzent"})
        QCOMPARE(field(name)->text(), QString());
    for (const char *name : kResults) {
        QCOMPARE(field(name)->text(), QString());
        QVERIFY(!field(name)->isEnabled());
    }
    QCOMPARE(form().window()->windowTitle(), QStringLiteral("Rechnado v1.6"));
    QCOMPARE(form().window()->size(), QSize(266, 324)); // 3990 x 4860 twips
    auto *tomato = control<Picture>(form(), "imgTomate");
    QCOMPARE(QPointF(tomato->left(), tomato->top()), QPointF(2300, 570));
    QCOMPARE(tomato->parentWidget()->children().last(), tomato);
}

void TestFrmSparplan::captions_and_tool_tips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    // clang-format off
    QTest::newRow("txtSparrate") << "txtSparrate" << "" << "periodischer Anlagebetrag (z.B. pro Monat)";
    QTest::newRow("txtMalProJahr") << "txtMalProJahr" << "12" << "Einzahlungen pro Jahr";
    QTest::newRow("txtLaufzeit") << "txtLaufzeit" << "" << "Anspardauer (Jahre)";
    QTest::newRow("txtProzent") << "txtProzent" << "" << "angenommene Verzinsung pro Jahr";
    QTest::newRow("txtAnlagesumme") << "txtAnlagesumme" << "" << "real eingezahlter Betrag";
    QTest::newRow("txtEndsumme") << "txtEndsumme" << "" << "Sparergebnis am Laufzeitende";
    QTest::newRow("txtAbsGewinn") << "txtAbsGewinn" << "" << "realer Gewinn durch Verzinsung (z.B. in DM / Euro)";
    QTest::newRow("txtProzGewinn") << "txtProzGewinn" << "" << "realer Gewinn durch Verzinsung (in Prozent)";
    QTest::newRow("cmdBerechnen") << "cmdBerechnen" << "Berechnen !" << "Berechnen";
    QTest::newRow("cmdNeu") << "cmdNeu" << "Neu" << "Felder löschen";
    QTest::newRow("cmdBack") << "cmdBack" << "<- Back" << "zurück zum Standard-Modus";
    QTest::newRow("cmdExit") << "cmdExit" << "Exit" << "Beenden";
    QTest::newRow("cmdAbout") << "cmdAbout" << "About" << "Über...";
    QTest::newRow("lblSparrate") << "lblSparrate" << "Sparrate" << "";
    QTest::newRow("lblMalProJahr") << "lblMalProJahr" << "Anz. Raten pro Jahr" << "";
    QTest::newRow("lblLaufzeit") << "lblLaufzeit" << "Laufzeit (Jahre)" << "";
    QTest::newRow("lblProzent") << "lblProzent" << "% pro Jahr" << "";
    QTest::newRow("lblAnlagesumme") << "lblAnlagesumme" << "Anlagesumme" << "";
    QTest::newRow("lblEndsumme") << "lblEndsumme" << "Endsumme" << "";
    QTest::newRow("lblAbsGewinn") << "lblAbsGewinn" << "Gewinn (abs.)" << "";
    QTest::newRow("lblProzGewinn") << "lblProzGewinn" << "Gewinn (%)" << "";
    QTest::newRow("lblVersion") << "lblVersion" << "Version 1.6.3" << "";
    // clang-format on
}

void TestFrmSparplan::captions_and_tool_tips()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QWidget *w = form().window()->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(shownText(w), caption);
    QCOMPARE(w->toolTip(), toolTip);
}

void TestFrmSparplan::result_fields_have_their_fixed_look()
{
    for (const char *name : kResults) {
        AmountField *f = field(name);
        QCOMPARE(f->backColour(), QColor(255, 255, 192));
        QCOMPARE(f->font().pointSizeF(), 13.5);
        QVERIFY(f->font().bold());
        QVERIFY(f->hasBorder());
        QVERIFY(f->isLocked());
        QCOMPARE(f->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(f->foreColour(), QString::fromLatin1(name) == u"txtAbsGewinn"
                                      ? styles::colour(styles::kWindowText)
                                      : QColor(0, 0, 0));
    }
    QCOMPARE(field("txtAnlagesumme")->accessibleName(), QStringLiteral("Anlagesumme"));
}

void TestFrmSparplan::tab_order_never_stops_on_a_result()
{
    enter("txtSparrate", QStringLiteral("100"));
    enter("txtLaufzeit", QStringLiteral("10"));
    enter("txtProzent", QStringLiteral("5"));
    press(); // the results are enabled now, and still skipped
    QStringList names;
    field("txtSparrate")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 10; ++i) {
        names << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(names, (QStringList{"txtSparrate", "txtMalProJahr", "txtLaufzeit", "txtProzent", "cmdBerechnen",
                                 "cmdNeu", "cmdBack", "cmdExit", "cmdAbout", "txtSparrate"}));
}

void TestFrmSparplan::fields_filter_as_their_kind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("deposit takes a comma") << "txtSparrate" << "12,50" << "12,50";
    QTest::newRow("deposit refuses minus and point") << "txtSparrate" << "-1.5" << "15";
    QTest::newRow("deposit has no length limit") << "txtSparrate" << "1234567890123456" << "1234567890123456";
    QTest::newRow("deposits per year: whole numbers") << "txtMalProJahr" << "1,2" << "12";
    QTest::newRow("term: whole numbers") << "txtLaufzeit" << "2,5-" << "25";
    QTest::newRow("interest takes a comma, no minus") << "txtProzent" << "-3,5" << "3,5";
    // clang-format on
}

void TestFrmSparplan::fields_filter_as_their_kind()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    enter(name.toLatin1().constData(), typed);
    QCOMPARE(field(name.toLatin1().constData())->text(), text);
}

void TestFrmSparplan::enter_in_any_input_calculates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("modifier");
    for (const char *name : kInputs)
        QTest::newRow(name) << QString::fromLatin1(name) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << QStringLiteral("txtProzent") << int(Qt::KeypadModifier);
}

void TestFrmSparplan::enter_in_any_input_calculates()
{
    QFETCH(QString, name);
    QFETCH(int, modifier);
    enter("txtSparrate", QStringLiteral("1000"));
    enter("txtMalProJahr", QStringLiteral("1"));
    enter("txtLaufzeit", QStringLiteral("3"));
    enter("txtProzent", QStringLiteral("10"));
    QWidget *f = form().window()->findChild<QWidget *>(name);
    f->setFocus();
    QTest::keyClick(f, Qt::Key_Enter, Qt::KeyboardModifiers(modifier));
    QCOMPARE(results(), (QStringList{"3000,00", "3641,00", "641,00", "21,37%"}));
}

void TestFrmSparplan::worked_examples_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("expected");
    // clang-format off
    QTest::newRow("yearly") << QStringList{"1000", "1", "3", "10"}
                            << QStringList{"3000,00", "3641,00", "641,00", "21,37%"};
    QTest::newRow("monthly, ten years") << QStringList{"100", "12", "10", "5"}
                                        << QStringList{"12000,00", "15499,21", "3499,21", "29,16%"};
    QTest::newRow("monthly, one year") << QStringList{"50", "12", "1", "6"}
                                       << QStringList{"600,00", "619,33", "19,33", "3,22%"};
    QTest::newRow("one deposit") << QStringList{"100", "1", "1", "2,5"}
                                 << QStringList{"100,00", "102,50", "2,50", "2,50%"};
    QTest::newRow("half cents round up") << QStringList{"12,50", "1", "1", "5"}
                                         << QStringList{"12,50", "13,13", "0,63", "5,00%"};
    QTest::newRow("a gain of a half percent cent") << QStringList{"130", "1", "2", "13"}
                                                   << QStringList{"260,00", "312,90", "52,90", "20,35%"};
    QTest::newRow("millions show whole") << QStringList{"10000", "12", "40", "8"}
                                         << QStringList{"4800000,00", "32418038,67", "27618038,67", "575,38%"};
    // clang-format on
}

void TestFrmSparplan::worked_examples()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, expected);
    for (int i = 0; i < 4; ++i)
        enter(kInputs[i], inputs[i]);
    press();
    QCOMPARE(results(), expected);
    for (const char *name : kResults) {
        QVERIFY(field(name)->isEnabled());
        QVERIFY2(showsWhole(field(name)), name);
    }
    QCOMPARE(announced(m_fx->program.sparplan),
             QStringLiteral("Anlagesumme %1, Endsumme %2, Gewinn (abs.) %3, Gewinn (%) %4")
                 .arg(expected[0], expected[1], expected[2], expected[3]));
    QVERIFY(m_fx->platform.boxes.isEmpty());
}

void TestFrmSparplan::results_follow_an_english_locale()
{
    LocaleScope scope(english());
    for (int i = 0; i < 4; ++i)
        enter(kInputs[i], QStringList{"100", "12", "10", "5"}[i]);
    press();
    QCOMPARE(results(), (QStringList{"12000.00", "15499.21", "3499.21", "29.16%"}));
}

void TestFrmSparplan::neu_keeps_the_deposits_per_year()
{
    enter("txtMalProJahr", QStringLiteral("4"));
    for (const char *name : {"txtSparrate", "txtLaufzeit", "txtProzent"})
        enter(name, QStringLiteral("10"));
    press();
    click(button("cmdNeu"));
    QCOMPARE(field("txtMalProJahr")->text(), QStringLiteral("4"));
    for (const char *name : {"txtSparrate", "txtLaufzeit", "txtProzent"})
        QCOMPARE(field(name)->text(), QString());
    for (const char *name : kResults) {
        QCOMPARE(field(name)->text(), QString());
        QVERIFY(!field(name)->isEnabled());
    }
    QCOMPARE(form().values().malProJahr, 0.0);
    QCOMPARE(form().values().endsumme, 0.0);
}

void TestFrmSparplan::refusals_change_no_field_data()
{
    QTest::addColumn<bool>("neuFirst"); // "Neu" between the earlier calculation and these inputs
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("box");
    const QString missing = QStringLiteral("Alle linken Felder müssen ausgefüllt sein !");
    // clang-format off
    QTest::newRow("no interest") << false << QStringList{"100", "12", "10", "0"} << missing;
    QTest::newRow("no deposit") << false << QStringList{"0", "12", "10", "5"} << missing;
    QTest::newRow("unreadable interest after Neu") << true << QStringList{"100", "12", "10", ",,"} << missing;
    QTest::newRow("unreadable interest is no earlier one") << false << QStringList{"100", "12", "10", "5,,5"} << missing;
    QTest::newRow("too many deposits") << false << QStringList{"100", "365", "90", "5"}
                                       << QStringLiteral("Zu viele Einzahlungen: höchstens 32767 sind möglich !");
    QTest::newRow("beyond a double") << false << QStringList{QString(320, u'9'), "12", "10", "5"}
                                     << QStringLiteral("Mit diesen Werten ist keine Berechnung möglich !");
    // clang-format on
}

void TestFrmSparplan::refusals_change_no_field()
{
    QFETCH(bool, neuFirst);
    QFETCH(QStringList, inputs);
    QFETCH(QString, box);
    for (int i = 0; i < 4; ++i)
        enter(kInputs[i], QStringList{"50", "12", "1", "6"}[i]);
    press();
    if (neuFirst)
        click(button("cmdNeu"));
    for (int i = 0; i < 4; ++i)
        enter(kInputs[i], inputs[i]);
    const QStringList before = results();
    const bool enabledBefore = field("txtEndsumme")->isEnabled();
    press();
    QCOMPARE(m_fx->platform.boxes.size(), 1);
    QCOMPARE(m_fx->platform.boxes[0].text, box);
    QCOMPARE(m_fx->platform.boxes[0].title, QStringLiteral("Fehler !"));
    QCOMPARE(m_fx->platform.boxes[0].icon, MsgIcon::Information);
    QCOMPARE(m_fx->platform.boxes[0].buttons, MsgButtons::Ok);
    QCOMPARE(results(), before);
    QCOMPARE(field("txtEndsumme")->isEnabled(), enabledBefore);
}

void TestFrmSparplan::emptied_deposit_is_remembered()
{
    for (int i = 0; i < 4; ++i)
        enter(kInputs[i], QStringList{"100", "12", "10", "5"}[i]);
    press();
    enter("txtSparrate", QString());
    press();
    QVERIFY(m_fx->platform.boxes.isEmpty());
    QCOMPARE(results(), (QStringList{"12000,00", "15499,21", "3499,21", "29,16%"}));
}

void TestFrmSparplan::counts_its_own_presses()
{
    for (int i = 0; i < 15; ++i)
        press();
    QCOMPARE(form().tomato().berechnungen, std::int16_t(15));
    QCOMPARE(m_fx->program.rechnado.tomato().berechnungen, std::int16_t(0));
    QCOMPARE(m_fx->platform.boxes[14].title, QStringLiteral("Berechnungen: 15"));
    QCOMPARE(m_fx->platform.boxes[15].text, QStringLiteral("Alle linken Felder müssen ausgefüllt sein !"));
    auto *tomato = control<Picture>(form(), "imgTomate");
    QCOMPARE(QPointF(tomato->left(), tomato->top()), QPointF(2301, 229)); // 15 legs: 3 of the fourth circuit
}

void TestFrmSparplan::press_125_ends_without_calculating()
{
    for (int i = 0; i < 124; ++i)
        press();
    for (int i = 0; i < 4; ++i)
        enter(kInputs[i], QStringList{"100", "12", "10", "5"}[i]);
    QStringList atBox;
    m_fx->platform.onBox = [&](const Box &) { atBox = results(); };
    m_fx->platform.boxes.clear();
    press();
    QCOMPARE(m_fx->platform.boxes.size(), 1);
    QCOMPARE(m_fx->platform.boxes[0].title, QStringLiteral("Berechnungen: 125"));
    QCOMPARE(atBox, QStringList(4, QString()));
    QVERIFY(!form().isLoaded());
    QCOMPARE(m_fx->platform.ends, 1);
    QCOMPARE(form().values().endsumme, 0.0);
}

void TestFrmSparplan::back_clears_and_returns_to_the_main_window()
{
    for (int i = 0; i < 4; ++i)
        enter(kInputs[i], QStringList{"100", "12", "10", "5"}[i]);
    press();
    click(button("cmdBack"));
    QCOMPARE(m_fx->program.visibleWindow(), QStringLiteral("Rechnado"));
    QVERIFY(!form().isLoaded());
    QCOMPARE(form().values().sparrate, 0.0);
    QCOMPARE(form().values().prozGewinn, 0.0);
    QCOMPARE(form().tomato().berechnungen, std::int16_t(1));
}

void TestFrmSparplan::a_return_trip_brings_the_default_back()
{
    enter("txtMalProJahr", QStringLiteral("4"));
    press();
    press();
    form().cmdBack_Click();
    Program::flushDeletes();
    m_fx->program.rechnado.cmdSparplan_Click();
    QCOMPARE(field("txtMalProJahr")->text(), QStringLiteral("12"));
    auto *tomato = control<Picture>(form(), "imgTomate");
    QCOMPARE(QPointF(tomato->left(), tomato->top()), QPointF(2300, 570));
    press();
    QCOMPARE(QPointF(tomato->left(), tomato->top()), QPointF(2301, 570));
    QCOMPARE(form().tomato().berechnungen, std::int16_t(3));
}

void TestFrmSparplan::exit_and_close_box_end_the_program()
{
    click(button("cmdExit"));
    QCOMPARE(m_fx->platform.ends, 1);
    QVERIFY(!form().isLoaded());
    m_fx->program.rechnado.show();
    m_fx->program.rechnado.cmdSparplan_Click();
    form().window()->close();
    QCOMPARE(m_fx->platform.ends, 2);
    QCOMPARE(m_fx->program.visibleWindow(), QString());
}

void TestFrmSparplan::about_and_its_close_box_bring_the_savings_plan_back()
{
    for (int i = 0; i < 4; ++i)
        enter(kInputs[i], QStringList{"100", "12", "10", "5"}[i]);
    press();
    click(button("cmdAbout"));
    QCOMPARE(m_fx->program.visibleWindow(), QStringLiteral("About"));
    QCOMPARE(modGlobals::aufrufer, QStringLiteral("Sparplan"));
    m_fx->program.about.window()->close();
    QCOMPARE(m_fx->program.visibleWindow(), QStringLiteral("Sparplan"));
    QCOMPARE(results(), (QStringList{"12000,00", "15499,21", "3499,21", "29,16%"}));
    QCOMPARE(field("txtSparrate")->text(), QStringLiteral("100"));
    QCOMPARE(m_fx->platform.ends, 0);
}

QTEST_MAIN(TestFrmSparplan)
#include "tst_frmsparplan.moc"
