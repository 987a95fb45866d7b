// Long seeded runs of user actions through the real windows, with a model of what the program must do
// beside them. After every action the invariants are checked: one window visible, well-formed field
// texts, result flags and styles in step, counters rising one by one, every value shown matching the
// model's own computation, and no message box the rules do not name.
//
// Every run prints its seed. Replay or lengthen one with
//     RECHNADO_SEED=1234 RECHNADO_ACTIONS=100000 tests/tst_randomized
#include "app/controls.h"
#include "fields/amountfield.h"
#include "fields/numbertext.h"
#include "support/testsupport.h"
#include "support/typing.h"

#include <QClipboard>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <array>
#include <cmath>

using namespace rechnado;
using namespace rechnado::test;

namespace {

constexpr int kMainFields = 5; // Betrag 1, Betrag 2, Prozent, Laufzeit, Zinssatz
const char *const kMainNames[kMainFields] = {"txtAnlagebetrag", "txtEndbetrag", "txtProzent", "txtLaufzeit",
                                             "txtZinssatz"};
const char *const kSavingsInputs[4] = {"txtSparrate", "txtMalProJahr", "txtLaufzeit", "txtProzent"};
const char *const kSavingsResults[4] = {"txtAnlagesumme", "txtEndsumme", "txtAbsGewinn", "txtProzGewinn"};
enum { B1, B2, P, LZ, ZS };

const QString kWerteFehlen = QStringLiteral("Werte fehlen, oder sind falsch !");
const QString kAnteil = QStringLiteral("Sie wollen einen größeren Anteil von einem kleineren berechnen !");
const QString kUnmoeglich = QStringLiteral("Mit diesen Werten ist keine Berechnung möglich !");
const QString kAlleLinken = QStringLiteral("Alle linken Felder müssen ausgefüllt sein !");
const QString kZuViele = QStringLiteral("Zu viele Einzahlungen: höchstens 32767 sind möglich !");

// The model's own reading of a German number text.
std::optional<double> readGerman(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]*,?[0-9]*$"));
    if (!number.match(text).hasMatch() || !text.contains(QRegularExpression(QStringLiteral("[0-9]"))))
        return std::nullopt;
    QString c = text;
    c.replace(u',', u'.');
    if (c.endsWith(u'.'))
        c.chop(1);
    return c.toDouble();
}

// A result as the program writes it: "0.00" in German, no grouping, with the allowed sign and suffix.
bool isResultText(const QString &text, bool plusAllowed, bool percent)
{
    static const QRegularExpression result(QStringLiteral("^([+]?)-?[0-9]+,[0-9][0-9](%?)$"));
    const QRegularExpressionMatch m = result.match(text);
    if (!m.hasMatch())
        return false;
    return (plusAllowed || m.captured(1).isEmpty()) && (m.captured(2).isEmpty() != percent);
}

double shownValue(QString text)
{
    text.remove(u'+');
    text.remove(u'%');
    text.replace(u',', u'.');
    return text.toDouble();
}

bool withinHalfACent(double shown, double expected)
{
    return std::abs(shown - expected) <= 0.005 + 1e-12 * std::abs(expected);
}

// Guarded arithmetic of the model: a division by zero, a logarithm of a non-positive number or any
// value beyond the range of a double makes the result not a number.
double fin(double v)
{
    return std::isfinite(v) ? v : std::nan("");
}
double dv(double a, double b)
{
    return b == 0 ? std::nan("") : fin(a / b);
}
double pw(double a, double b)
{
    return fin(std::pow(a, b));
}
double lg(double a)
{
    return a > 0 && std::isfinite(a) ? std::log(a) : std::nan("");
}

struct Expected {
    QList<Box> boxes;
};

Box joke(int count)
{
    const QString title = QStringLiteral("Berechnungen: %1").arg(count);
    switch (count) {
    case 15:
        return {QStringLiteral(
                    "Freut mich, dass Dir das Programm so gut gefällt !\r\n\n\r              ... und das "
                    "ist auch gut so !"),
                title, MsgIcon::None, MsgButtons::OkHelp};
    case 30:
        return {QStringLiteral("Du bist aber ganz schön eifrig !"), title, MsgIcon::Information,
                MsgButtons::OkHelp};
    case 50:
        return {QStringLiteral("OK, ich denke langsam solltest Du statt mit der\r\nTomate lieber mit etwas "
                               "Anständigem spielen ;-)"),
                title, MsgIcon::Question, MsgButtons::OkHelp};
    default:
        return {QStringLiteral("Achtung !\r\nDie Tomate wird langsam matschig !"), title,
                MsgIcon::Exclamation, MsgButtons::OkHelp};
    }
}

bool isJokeCount(int count)
{
    return count == 15 || count == 30 || count == 50 || count == 100;
}

Box error(const QString &text)
{
    return {text, QStringLiteral("Fehler !"), MsgIcon::Information, MsgButtons::Ok};
}

// The tomato's walk, leg by leg, in the model's own closed form: from whole twips each leg ends one
// unit beyond its bound, or stays where it is when it already stands beyond it.
struct TomatoModel {
    double left = 2300;
    double top = 570;
    int phase = 0;
    void press()
    {
        if (phase > 3)
            phase = 0;
        switch (phase) {
        case 0:
            left = left >= 920 ? 919 : left;
            break;
        case 1:
            top = top >= 230 ? 229 : top;
            break;
        case 2:
            left = left <= 2300 ? 2301 : left;
            break;
        default:
            top = top <= 570 ? 571 : top;
            break;
        }
        ++phase;
    }
    void reload()
    {
        left = 2300;
        top = 570;
    }
};

struct MainModel {
    std::array<double, kMainFields> vars{};
    std::array<bool, kMainFields> flags{};
    std::array<bool, kMainFields> typed{}; // the user changed the text since the program wrote it
    bool von = false;
    int presses = 0;
    TomatoModel tomato;
    void clear()
    {
        vars.fill(0);
        flags.fill(false);
        typed.fill(false);
    }
};

struct SavingsModel {
    std::array<double, 4> vars{};
    int presses = 0;
    TomatoModel tomato;
};

} // namespace

class TestRandomized : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void runs_of_user_actions_keep_every_rule_data();
    void runs_of_user_actions_keep_every_rule();

private:
    // The actions.
    void typeInto();
    void pasteInto();
    void clearField();
    void press();
    // A press by the button, or by Enter in a field.
    void pressMain(QWidget *enterIn = nullptr);
    void pressSavings(QWidget *enterIn = nullptr);
    void neu();
    void modeClick();
    void clockOrDifferenceClick();
    void clockTick();
    void tripToOtherCalculator();
    void tripThroughAbout();

    void check(const QString &action);
    void checkMain();
    void checkSavings();
    void expectBoxes(const QList<Box> &boxes);

    Form &calculator() const;
    AmountField *mainField(int i) const { return control<AmountField>(m_program->rechnado, kMainNames[i]); }
    AmountField *savingsField(const char *name) const
    {
        return control<AmountField>(m_program->sparplan, name);
    }
    AmountField *randomInputField() const;
    // Notes in the model that the user changed a main-window field's text.
    void noteEdit(const AmountField *field, const QString &before);
    QString randomText(int maxLength, bool mostlyNumbers);
    int pick(int n) { return static_cast<int>(m_random.bounded(n)); }

    QRandomGenerator m_random;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<Program> m_program;
    QString m_window; // the window the model expects to be visible
    MainModel m_main;
    SavingsModel m_savings;
    int m_boxesSeen = 0;
    QString m_failure;
    QMap<QString, int> m_seen; // what the run reached, for its summary
};

void TestRandomized::runs_of_user_actions_keep_every_rule_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("actions");
    bool customSeed = false;
    const quint32 envSeed = qEnvironmentVariable("RECHNADO_SEED").toUInt(&customSeed);
    const int envActions = qEnvironmentVariableIntValue("RECHNADO_ACTIONS");
    if (customSeed) {
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(envSeed)))
            << envSeed << (envActions ? envActions : 5000);
        return;
    }
    // The fixed seeds CI runs: 40 runs of 1000 actions. A run is short because each calculator window
    // takes at most 124 presses before the program would end.
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed)))
            << seed << (envActions ? envActions : 1000);
}

void TestRandomized::runs_of_user_actions_keep_every_rule()
{
    QFETCH(quint32, seed);
    QFETCH(int, actions);
    qInfo("seed %u, %d actions", seed, actions);

    QLocale::setDefault(german());
    m_random.seed(seed);
    m_platform = std::make_unique<RecordingPlatform>();
    m_program = std::make_unique<Program>();
    m_main = {};
    m_savings = {};
    m_boxesSeen = 0;
    m_failure.clear();
    m_program->rechnado.show();
    m_window = QStringLiteral("Rechnado");
    check(QStringLiteral("start"));

    for (int i = 0; i < actions && m_failure.isEmpty(); ++i) {
        const int roll = pick(100);
        QString name;
        if (roll < 30) {
            name = QStringLiteral("type");
            typeInto();
        } else if (roll < 37) {
            name = QStringLiteral("paste");
            pasteInto();
        } else if (roll < 45) {
            name = QStringLiteral("clear field");
            clearField();
        } else if (roll < 70) {
            name = QStringLiteral("Berechnen");
            press();
        } else if (roll < 75) {
            name = QStringLiteral("Neu");
            neu();
        } else if (roll < 81) {
            name = QStringLiteral("mode label");
            modeClick();
        } else if (roll < 86) {
            name = QStringLiteral("clock or difference");
            clockOrDifferenceClick();
        } else if (roll < 90) {
            name = QStringLiteral("clock tick");
            clockTick();
        } else if (roll < 95) {
            name = QStringLiteral("trip to the other calculator");
            tripToOtherCalculator();
        } else {
            name = QStringLiteral("trip through About");
            tripThroughAbout();
        }
        check(QStringLiteral("action %1 (%2)").arg(i).arg(name));
        if (i % 200 == 0)
            Program::flushDeletes();
    }
    QStringList summary;
    for (auto it = m_seen.cbegin(); it != m_seen.cend(); ++it)
        summary << it.key() + u' ' + QString::number(it.value());
    qInfo("seed %u reached: %s", seed, qPrintable(summary.join(QStringLiteral(", "))));
    m_seen.clear();
    m_program.reset();
    m_platform.reset();
    QVERIFY2(m_failure.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(m_failure)));
}

Form &TestRandomized::calculator() const
{
    return m_window == u"Sparplan" ? static_cast<Form &>(m_program->sparplan) : m_program->rechnado;
}

AmountField *TestRandomized::randomInputField() const
{
    auto *self = const_cast<TestRandomized *>(this);
    if (m_window == u"Sparplan")
        return savingsField(kSavingsInputs[self->pick(4)]);
    // Laufzeit and Zinssatz are disabled in the von mode; a click there does nothing.
    return mainField(self->pick(m_main.von ? 3 : kMainFields));
}

QString TestRandomized::randomText(int maxLength, bool mostlyNumbers)
{
    static const QString digits = QStringLiteral("0123456789");
    static const QString others = QStringLiteral(",,,--.aZ äöüß€+% \t\x01\b");
    QString text;
    const int length = 1 + pick(maxLength);
    for (int i = 0; i < length; ++i) {
        if (mostlyNumbers ? pick(10) < 8 : pick(2) == 0)
            text += digits[pick(10)];
        else
            text += others[pick(static_cast<int>(others.size()))];
    }
    return text;
}

void TestRandomized::typeInto()
{
    AmountField *field = randomInputField();
    click(field);
    const bool lastPressNear = (m_window == u"Sparplan" ? m_savings.presses : m_main.presses) >= 123;
    // Deposits per year and years are short numbers, or nearly every plan has too many deposits.
    const bool shortNumber = field->keyFilter() == KeyFilter::WholeNumber;
    const QString text = shortNumber && pick(4) != 0 ? QString::number(1 + pick(40)) : randomText(6, true);
    const QString before = field->text();
    for (const QChar c : text)
        typeText(field, QString(c));
    noteEdit(field, before);
    // Enter in a field presses "Berechnen !".
    if (!lastPressNear && pick(8) == 0) {
        field->setFocus();
        if (m_window == u"Sparplan")
            pressSavings(field);
        else
            pressMain(field);
    }
}

void TestRandomized::pasteInto()
{
    // Texts as people copy them, with the number each stands for in an amount field and in a
    // percentage or rate field under German settings; "" where it stands for none.
    struct Copied {
        const char *text, *amount, *rate;
    };
    static const Copied copied[] = {{"119,00\n", "119,00", "119,00"},
                                    {" 100 ", "100", "100"},
                                    {"1.234,56 €", "1234,56", ""},
                                    {"-19 %", "-19", "-19"},
                                    {"+5,5%", "5,5", "5,5"},
                                    {"1.23.4", "", ""},
                                    {"12a", "", ""},
                                    {"0.500", "", ""},
                                    {"$5", "", ""},
                                    {"3.125", "3125", ""},
                                    {"5-5", "", ""},
                                    {"1,2,3", "", ""},
                                    {"1234568359567,13", "1234568359567,13", "1234568359567,13"}};
    AmountField *field = randomInputField();
    click(field);
    const QString before = field->text();
    const Copied &c = copied[pick(int(std::size(copied)))];
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.text));
    QTest::keySequence(field, QKeySequence::Paste);
    noteEdit(field, before);
    // A paste goes in as the plain number it stands for, or not at all.
    const QString number = QString::fromUtf8(field->holds() == Holds::Rate ? c.rate : c.amount);
    if (field->text() != before && (number.isEmpty() || !field->text().contains(number)))
        m_failure =
            QStringLiteral("pasting \"%1\" left \"%2\"").arg(QString::fromUtf8(c.text), field->text());
}

void TestRandomized::clearField()
{
    AmountField *field = randomInputField();
    click(field);
    const QString before = field->text();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    noteEdit(field, before);
}

void TestRandomized::noteEdit(const AmountField *field, const QString &before)
{
    if (m_window == u"Sparplan" || field->text() == before)
        return;
    for (int i = 0; i < kMainFields; ++i)
        if (mainField(i) == field)
            m_main.typed[i] = true;
}

void TestRandomized::press()
{
    if (m_window == u"Sparplan")
        pressSavings();
    else
        pressMain();
}

// One press of "Berechnen !" in the main window, predicted by the model and then made.
void TestRandomized::pressMain(QWidget *enterIn)
{
    if (m_main.presses >= 124)
        return; // the 125th press would end the program
    MainModel &m = m_main;
    QStringList texts;
    for (int i = 0; i < kMainFields; ++i)
        texts << mainField(i)->text();
    const QString diffBefore = control<AmountField>(m_program->rechnado, "txtDiff")->text();

    QList<Box> boxes;
    ++m.presses;
    m.tomato.press();
    if (isJokeCount(m.presses))
        boxes << joke(m.presses);
    // Typed text that is no number stops the press, and nothing changes.
    bool typedNoNumber = false;
    for (int i = 0; i < kMainFields; ++i)
        typedNoNumber = typedNoNumber || (m.typed[i] && !texts[i].isEmpty() && !readGerman(texts[i]));
    if (typedNoNumber) {
        m_seen[QStringLiteral("typed no number")]++;
        (enterIn ? static_cast<void>(QTest::keyClick(enterIn, Qt::Key_Return))
                 : control<QPushButton>(m_program->rechnado, "cmdBerechnen")->click());
        expectBoxes(boxes << error(kWerteFehlen));
        for (int i = 0; i < kMainFields; ++i)
            if (mainField(i)->text() != texts[i])
                m_failure =
                    QStringLiteral("typed no number: %1 changed").arg(QString::fromLatin1(kMainNames[i]));
        return;
    }
    for (const int i : {B1, B2, ZS, LZ, P}) {
        if (m.flags[i]) {
            m.vars[i] = 0;
            m.flags[i] = false;
            m.typed[i] = false;
            texts[i].clear();
        }
    }
    for (int i = 0; i < kMainFields; ++i)
        if (const std::optional<double> v = readGerman(texts[i]))
            m.vars[i] = *v;

    auto &v = m.vars;
    const auto given = [&](int i) { return v[i] != 0; };
    int row = 0;
    if (!m.von) {
        const int mask =
            (given(B1) << 4) | (given(B2) << 3) | (given(P) << 2) | (given(LZ) << 1) | int(given(ZS));
        static const QHash<int, int> rows{{0b11000, 1}, {0b10100, 2},  {0b01100, 3},  {0b10011, 4},
                                          {0b11010, 5}, {0b01011, 6},  {0b11001, 7},  {0b00110, 8},
                                          {0b00011, 9}, {0b00101, 10}, {0b10110, 11}, {0b01110, 12}};
        row = rows.value(mask);
    } else {
        const int mask = (given(B1) << 2) | (given(B2) << 1) | int(given(P));
        row = mask == 0b110 ? 13 : mask == 0b011 ? 14 : mask == 0b101 ? 15 : 0;
    }

    // What the row computes, in the model's own words.
    std::array<double, kMainFields> n = v;
    QList<int> computed;
    const auto zinsFromProzent = [&] { return (pw(dv(n[P], 100) + 1, dv(1, n[LZ])) - 1) * 100; };
    // clang-format off
    switch (row) {
    case 2: n[B2] = n[B1] + n[B1] * n[P] / 100, computed = {B2}; break;
    case 3: n[B1] = dv(n[B2], n[P] / 100 + 1), computed = {B1}; break;
    case 4: n[B2] = fin(pw(n[ZS] / 100 + 1, n[LZ]) * n[B1]), computed = {B2}; break;
    case 5: n[ZS] = (pw(dv(n[B2], n[B1]), dv(1, n[LZ])) - 1) * 100, computed = {ZS}; break;
    case 6: n[B1] = dv(n[B2], pw(n[ZS] / 100 + 1, n[LZ])), computed = {B1}; break;
    case 7: n[LZ] = dv(1, dv(lg(n[ZS] / 100 + 1), lg(dv(n[B2], n[B1])))), computed = {LZ}; break;
    case 8: n[ZS] = zinsFromProzent(), computed = {ZS}; break;
    case 9: n[P] = (pw(n[ZS] / 100 + 1, n[LZ]) - 1) * 100, computed = {P}; break;
    case 10: n[LZ] = dv(1, dv(lg(n[ZS] / 100 + 1), lg(n[P] / 100 + 1))), computed = {LZ}; break;
    case 11: n[ZS] = zinsFromProzent(), n[B2] = fin(n[P] / 100 * n[B1] + n[B1]), computed = {ZS, B2}; break;
    case 12: n[ZS] = zinsFromProzent(), n[B1] = dv(n[B2], n[P] / 100 + 1), computed = {ZS, B1}; break;
    case 13: n[P] = dv(fin(n[B1] * 100), n[B2]), computed = {P}; break;
    case 14: n[B1] = fin(fin(n[B2] * n[P]) / 100), computed = {B1}; break;
    case 15: n[B2] = dv(fin(n[B1] * 100), n[P]), computed = {B2}; break;
    default: break;
    }
    // clang-format on
    const bool prozCalc = row == 1 || (row >= 4 && row <= 7);
    const bool share = row >= 13 && n[P] > 100;
    const bool diffCalc = row != 0 && !(row >= 8 && row <= 10) && !share;
    const double change = prozCalc ? dv(fin(n[B2] * 100), n[B1]) - 100 : 0;
    const double difference = diffCalc ? fin(n[B2] - n[B1]) : 0;
    bool finite = std::isfinite(change) && std::isfinite(difference);
    for (const int i : computed)
        finite = finite && std::isfinite(n[i]);

    m_seen[row == 0 ? QStringLiteral("no row") : QStringLiteral("row %1").arg(row, 2)]++;
    if (row == 0) {
        boxes << error(kWerteFehlen);
    } else if (!finite) {
        m_seen[QStringLiteral("not computable")]++;
        boxes << error(kUnmoeglich);
    } else {
        v = n;
        for (const int i : computed) {
            m.flags[i] = !share;
            m.typed[i] = false;
        }
        if (prozCalc) {
            v[P] = change;
            m.flags[P] = true;
            m.typed[P] = false;
        }
        if (share)
            boxes << error(kAnteil);
    }

    if (enterIn)
        QTest::keyClick(enterIn, Qt::Key_Return);
    else
        control<QPushButton>(m_program->rechnado, "cmdBerechnen")->click();
    expectBoxes(boxes);
    if (!m_failure.isEmpty())
        return;

    // The values shown must be the model's, to the half cent.
    if (row != 0 && finite) {
        QList<int> shownFields = computed;
        if (prozCalc)
            shownFields << P;
        for (const int i : shownFields) {
            const QString text = mainField(i)->text();
            const bool signedPercent = i == P && (prozCalc || row == 13) && !share;
            if (!isResultText(text, signedPercent, i == P || i == ZS) ||
                !withinHalfACent(shownValue(text), v[i]))
                m_failure = QStringLiteral("row %1: %2 shows %3, the model says %4")
                                .arg(row)
                                .arg(QString::fromLatin1(kMainNames[i]), text)
                                .arg(v[i], 0, 'f', 6);
        }
        const QString diff = control<AmountField>(m_program->rechnado, "txtDiff")->text();
        if (diffCalc && (!isResultText(diff, true, false) || !withinHalfACent(shownValue(diff), difference)))
            m_failure = QStringLiteral("row %1: the difference shows %2, the model says %3")
                            .arg(row)
                            .arg(diff)
                            .arg(difference, 0, 'f', 6);
        if (!diffCalc && diff != diffBefore)
            m_failure = QStringLiteral("row %1: the difference changed without DiffCalc").arg(row);
    }
}

void TestRandomized::pressSavings(QWidget *enterIn)
{
    SavingsModel &m = m_savings;
    if (m.presses >= 124)
        return;
    QList<Box> boxes;
    ++m.presses;
    m.tomato.press();
    if (isJokeCount(m.presses))
        boxes << joke(m.presses);
    // Only the user writes what is no number into an input of the plan: it stops the press as a
    // field not filled in.
    bool typedNoNumber = false;
    for (const char *name : kSavingsInputs)
        typedNoNumber = typedNoNumber ||
                        (!savingsField(name)->text().isEmpty() && !readGerman(savingsField(name)->text()));
    if (typedNoNumber)
        boxes << error(kAlleLinken);
    for (int i = 0; i < 4 && !typedNoNumber; ++i)
        if (const std::optional<double> v = readGerman(savingsField(kSavingsInputs[i])->text()))
            m.vars[i] = *v;
    const QStringList before = [&] {
        QStringList t;
        for (const char *name : kSavingsResults)
            t << savingsField(name)->text();
        return t;
    }();

    const auto [rate, perYear, years, percent] = m.vars;
    std::array<double, 4> results{};
    bool solved = false;
    if (typedNoNumber) {
        m_seen[QStringLiteral("savings typed no number")]++;
    } else if (rate == 0 || perYear == 0 || years == 0 || percent == 0) {
        m_seen[QStringLiteral("savings missing")]++;
        boxes << error(kAlleLinken);
    } else if (!(perYear * years <= 32767)) {
        m_seen[QStringLiteral("savings too many")]++;
        boxes << error(kZuViele);
    } else {
        const double factor = pw(1 + percent / 100, 1 / perYear);
        double balance = fin(factor * rate);
        const long n = std::lround(std::nearbyint(perYear * years - 1));
        for (long k = 1; k <= n; ++k)
            balance = fin((rate + balance) * factor);
        const double paid = fin(fin(perYear * rate) * years);
        results = {paid, balance, fin(balance - paid), dv(fin(balance * 100), paid) - 100};
        solved = std::all_of(results.begin(), results.end(), [](double r) { return std::isfinite(r); });
        m_seen[solved ? QStringLiteral("savings solved") : QStringLiteral("savings not computable")]++;
        if (!solved)
            boxes << error(kUnmoeglich);
    }

    if (enterIn)
        QTest::keyClick(enterIn, Qt::Key_Enter);
    else
        control<QPushButton>(m_program->sparplan, "cmdBerechnen")->click();
    expectBoxes(boxes);
    if (!m_failure.isEmpty())
        return;
    for (int i = 0; i < 4; ++i) {
        const QString text = savingsField(kSavingsResults[i])->text();
        if (solved ? !isResultText(text, false, i == 3) || !withinHalfACent(shownValue(text), results[i])
                   : text != before[i])
            m_failure = QStringLiteral("savings: %1 shows %2, the model says %3")
                            .arg(QString::fromLatin1(kSavingsResults[i]), text)
                            .arg(solved ? QString::number(results[i], 'f', 6) : before[i]);
        if (solved && !savingsField(kSavingsResults[i])->isEnabled())
            m_failure = QStringLiteral("savings: a result field stayed disabled");
    }
}

void TestRandomized::neu()
{
    click(control<QPushButton>(calculator(), "cmdNeu"));
    if (m_window == u"Sparplan") {
        m_savings.vars.fill(0);
    } else {
        m_main.clear();
        m_main.von = false;
    }
}

void TestRandomized::modeClick()
{
    if (m_window == u"Sparplan")
        return;
    click(control<Label>(m_program->rechnado, "lblVonZu"));
    m_main.clear();
    m_main.von = !m_main.von;
}

void TestRandomized::clockOrDifferenceClick()
{
    if (m_window == u"Sparplan")
        return;
    auto *clock = control<Label>(m_program->rechnado, "lblDateTime");
    if (clock->isVisible())
        click(clock);
    else
        click(control<AmountField>(m_program->rechnado, "txtDiff"));
}

void TestRandomized::clockTick()
{
    m_platform->clock = m_platform->clock.addSecs(pick(100000));
    if (m_window == u"Rechnado")
        m_program->rechnado.Timer1_Timer();
}

void TestRandomized::tripToOtherCalculator()
{
    if (m_window == u"Rechnado") {
        click(control<QPushButton>(m_program->rechnado, "cmdSparplan"));
        m_main.clear();
        m_main.tomato.reload();
        m_savings.tomato.reload();
        m_window = QStringLiteral("Sparplan");
    } else {
        click(control<QPushButton>(m_program->sparplan, "cmdBack"));
        m_savings.vars.fill(0);
        m_savings.tomato.reload();
        m_main.tomato.reload();
        m_main.von = false;
        m_window = QStringLiteral("Rechnado");
    }
}

void TestRandomized::tripThroughAbout()
{
    Form &caller = calculator();
    QStringList before;
    for (AmountField *f : caller.window()->findChildren<AmountField *>())
        before << f->objectName() + u'=' + f->text() + u'/' + QString::number(f->isEnabled());
    click(control<QPushButton>(caller, "cmdAbout"));
    if (m_program->visibleWindow() != u"About") {
        m_failure = QStringLiteral("About did not open");
        return;
    }
    frmAbout &about = m_program->about;
    auto *tomato = control<Picture>(about, "imgTomate");
    QList<Box> boxes;
    for (int steps = pick(6); steps > 0; --steps) {
        switch (pick(4)) {
        case 0:
            about.imgTomate_DragOver(tomato);
            break;
        case 1:
            about.imgIch_DragDrop(tomato);
            boxes << Box{QStringLiteral("Findest Du das etwa in Ordnung ?"), QStringLiteral("Hey !"),
                         MsgIcon::Question, MsgButtons::Ok}
                  << Box{QStringLiteral("Ich jedenfalls nicht !"), QStringLiteral("Was soll das ?"),
                         MsgIcon::Information, MsgButtons::Ok}
                  << Box{frmAbout::mailText(), QStringLiteral("Mail me !"), MsgIcon::Information,
                         MsgButtons::Ok};
            break;
        case 2:
            click(control<Picture>(about, "imgIch"));
            break;
        default:
            for (int t = pick(60); t > 0; --t)
                about.Timer1_Timer();
            break;
        }
    }
    expectBoxes(boxes);
    switch (pick(4)) {
    case 0:
        click(control<QPushButton>(about, "cmdOK"));
        break;
    case 1:
        QTest::keyClick(about.window(), Qt::Key_Return);
        break;
    case 2:
        QTest::keyClick(about.window(), Qt::Key_Escape);
        break;
    default:
        about.window()->close();
        break;
    }
    QStringList after;
    for (AmountField *f : caller.window()->findChildren<AmountField *>())
        after << f->objectName() + u'=' + f->text() + u'/' + QString::number(f->isEnabled());
    if (after != before)
        m_failure = QStringLiteral("the trip through About changed the calculator window");
}

void TestRandomized::expectBoxes(const QList<Box> &boxes)
{
    const QList<Box> shown = m_platform->boxes.mid(m_boxesSeen);
    m_boxesSeen = static_cast<int>(m_platform->boxes.size());
    if (shown.size() != boxes.size()) {
        QStringList titles;
        for (const Box &b : shown)
            titles << b.title + u':' + b.text;
        m_failure = QStringLiteral("expected %1 boxes, saw: %2").arg(boxes.size()).arg(titles.join(u" | "));
        return;
    }
    for (int i = 0; i < boxes.size(); ++i) {
        if (shown[i].text != boxes[i].text || shown[i].title != boxes[i].title ||
            shown[i].icon != boxes[i].icon || shown[i].buttons != boxes[i].buttons)
            m_failure = QStringLiteral("box %1 was \"%2\" titled \"%3\"; expected \"%4\" titled \"%5\"")
                            .arg(i)
                            .arg(shown[i].text, shown[i].title, boxes[i].text, boxes[i].title);
    }
}

void TestRandomized::check(const QString &action)
{
    if (!m_failure.isEmpty()) {
        m_failure = action + QStringLiteral(": ") + m_failure;
        return;
    }
    if (m_program->visibleWindow() != m_window) {
        m_failure = QStringLiteral("%1: visible is \"%2\", expected \"%3\"")
                        .arg(action, m_program->visibleWindow(), m_window);
        return;
    }
    if (m_platform->ends != 0) {
        m_failure = action + QStringLiteral(": the program ended");
        return;
    }
    expectBoxes({});
    if (m_window == u"Sparplan")
        checkSavings();
    else
        checkMain();
    if (!m_failure.isEmpty())
        m_failure = action + QStringLiteral(": ") + m_failure;
}

void TestRandomized::checkMain()
{
    const frmRechnado &form = m_program->rechnado;
    if (form.tomato().berechnungen != m_main.presses) {
        m_failure = QStringLiteral("counter %1, the model says %2")
                        .arg(form.tomato().berechnungen)
                        .arg(m_main.presses);
        return;
    }
    auto *tomato = control<Picture>(form, "imgTomate");
    if (tomato->left() != m_main.tomato.left || tomato->top() != m_main.tomato.top) {
        m_failure = QStringLiteral("tomato at %1/%2, the model says %3/%4")
                        .arg(tomato->left())
                        .arg(tomato->top())
                        .arg(m_main.tomato.left)
                        .arg(m_main.tomato.top);
        return;
    }
    if (form.isVonMode() != m_main.von || form.isZuMode() == m_main.von) {
        m_failure = QStringLiteral("the mode differs from the model's");
        return;
    }
    for (int i = 0; i < kMainFields; ++i) {
        AmountField *f = mainField(i);
        const QString text = f->text();
        const Field field = static_cast<Field>(i);
        const bool resultStyle = f->font().bold();
        if (text.contains(u"inf", Qt::CaseInsensitive) || text.contains(u"nan", Qt::CaseInsensitive))
            m_failure = QStringLiteral("%1 shows %2").arg(QString::fromLatin1(kMainNames[i]), text);
        if (resultStyle && (!f->isReadOnly() || f->hasFrame()))
            m_failure = QStringLiteral("%1 looks like a result but is not locked")
                            .arg(QString::fromLatin1(kMainNames[i]));
        if (form.isResult(field) != m_main.flags[i])
            m_failure = QStringLiteral("%1: result flag %2, the model says %3")
                            .arg(QString::fromLatin1(kMainNames[i]))
                            .arg(form.isResult(field))
                            .arg(m_main.flags[i]);
        if (m_main.flags[i] && (!resultStyle || !isResultText(text, i == P, i == P || i == ZS)))
            m_failure = QStringLiteral("%1 holds a result but shows \"%2\"")
                            .arg(QString::fromLatin1(kMainNames[i]), text);
        const KeyFilter filter = i == P || i == ZS ? KeyFilter::SignedDecimal : KeyFilter::Decimal;
        // Typing stops at 11 characters; a pasted number goes in whole.
        const bool typed = filterAcceptsAll(filter, text) && (text.size() <= 11 || isNumeric(text));
        if (!typed && !(resultStyle && isResultText(text, i == P, i == P || i == ZS)))
            m_failure = QStringLiteral("%1 shows \"%2\", neither typed nor a result")
                            .arg(QString::fromLatin1(kMainNames[i]), text);
        if (form.value(field) != m_main.vars[i] &&
            !(std::abs(form.value(field) - m_main.vars[i]) <= 1e-9 * std::abs(m_main.vars[i])))
            m_failure = QStringLiteral("%1 holds %2, the model says %3")
                            .arg(QString::fromLatin1(kMainNames[i]))
                            .arg(form.value(field), 0, 'g', 17)
                            .arg(m_main.vars[i], 0, 'g', 17);
    }
    const QString diff = control<AmountField>(form, "txtDiff")->text();
    if (!diff.isEmpty() && !isResultText(diff, true, false))
        m_failure = QStringLiteral("the difference shows \"%1\"").arg(diff);
}

void TestRandomized::checkSavings()
{
    const frmSparplan &form = m_program->sparplan;
    if (form.tomato().berechnungen != m_savings.presses) {
        m_failure = QStringLiteral("savings counter %1, the model says %2")
                        .arg(form.tomato().berechnungen)
                        .arg(m_savings.presses);
        return;
    }
    auto *tomato = control<Picture>(form, "imgTomate");
    if (tomato->left() != m_savings.tomato.left || tomato->top() != m_savings.tomato.top)
        m_failure = QStringLiteral("savings tomato at %1/%2").arg(tomato->left()).arg(tomato->top());
    for (int i = 0; i < 4; ++i) {
        const QString text = savingsField(kSavingsInputs[i])->text();
        const KeyFilter filter = i == 1 || i == 2 ? KeyFilter::WholeNumber : KeyFilter::Decimal;
        if (!filterAcceptsAll(filter, text))
            m_failure = QStringLiteral("%1 shows \"%2\"").arg(QString::fromLatin1(kSavingsInputs[i]), text);
        const QString result = savingsField(kSavingsResults[i])->text();
        if (!result.isEmpty() && !isResultText(result, false, i == 3))
            m_failure =
                QStringLiteral("%1 shows \"%2\"").arg(QString::fromLatin1(kSavingsResults[i]), result);
        if (!result.isEmpty() != savingsField(kSavingsResults[i])->isEnabled())
            m_failure =
                QStringLiteral("%1 enabled without a result").arg(QString::fromLatin1(kSavingsResults[i]));
    }
}

QTEST_MAIN(TestRandomized)
#include "tst_randomized.moc"
