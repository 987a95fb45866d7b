// The savings plan, without widgets.
#include "savings/savingssolver.h"

#include <QtTest>
#include <cmath>

using namespace rechnado;
using Kind = SavingsOutcome::Kind;

Q_DECLARE_METATYPE(SavingsInputs)

class TestSavingsSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void worked_examples_come_out_to_the_cent_data();
    void worked_examples_come_out_to_the_cent();
    void loop_agrees_with_the_closed_form_data();
    void loop_agrees_with_the_closed_form();
    void fractional_deposit_counts_round_half_to_even_data();
    void fractional_deposit_counts_round_half_to_even();
    void refusals_data();
    void refusals();
};

void TestSavingsSolver::worked_examples_come_out_to_the_cent_data()
{
    QTest::addColumn<SavingsInputs>("in");
    QTest::addColumn<QString>("results");

    // clang-format off
    QTest::newRow("yearly") << SavingsInputs{1000, 1, 3, 10} << "3000.00 3641.00 641.00 21.37";
    QTest::newRow("monthly, ten years") << SavingsInputs{100, 12, 10, 5} << "12000.00 15499.21 3499.21 29.16";
    QTest::newRow("monthly, one year") << SavingsInputs{50, 12, 1, 6} << "600.00 619.33 19.33 3.22";
    QTest::newRow("one deposit in total") << SavingsInputs{100, 1, 1, 5} << "100.00 105.00 5.00 5.00";
    QTest::newRow("most deposits") << SavingsInputs{1, 32767, 1, 1} << "32767.00 32930.57 163.57 0.50";
    // clang-format on
}

void TestSavingsSolver::worked_examples_come_out_to_the_cent()
{
    QFETCH(SavingsInputs, in);
    QFETCH(QString, results);

    const SavingsOutcome out = solveSavings(in);
    QCOMPARE(out.kind, Kind::Solved);
    const QString shown =
        QStringList{QString::number(out.anlagesumme, 'f', 2), QString::number(out.endsumme, 'f', 2),
                    QString::number(out.absGewinn, 'f', 2), QString::number(out.prozGewinn, 'f', 2)}
            .join(u' ');
    QCOMPARE(shown, results);
}

void TestSavingsSolver::loop_agrees_with_the_closed_form_data()
{
    QTest::addColumn<SavingsInputs>("in");
    // clang-format off
    QTest::newRow("monthly") << SavingsInputs{100, 12, 10, 5};
    QTest::newRow("quarterly") << SavingsInputs{250, 4, 30, 3.5};
    QTest::newRow("weekly") << SavingsInputs{20, 52, 20, 7};
    // clang-format on
}

void TestSavingsSolver::loop_agrees_with_the_closed_form()
{
    QFETCH(SavingsInputs, in);
    const SavingsOutcome out = solveSavings(in);
    const double q = std::pow(1 + in.prozent / 100, 1 / in.malProJahr);
    const double deposits = in.malProJahr * in.laufzeit;
    const double closed = in.sparrate * q * (std::pow(q, deposits) - 1) / (q - 1);
    QVERIFY2(std::abs(out.endsumme - closed) < 1e-6 * closed,
             qPrintable(QString::number(out.endsumme - closed)));
    QCOMPARE(out.absGewinn, out.endsumme - out.anlagesumme);
}

void TestSavingsSolver::fractional_deposit_counts_round_half_to_even_data()
{
    QTest::addColumn<double>("laufzeit");
    QTest::addColumn<double>("endsumme");
    // clang-format off
    QTest::newRow("2.5 deposits compound three") << 2.5 << 3641.0;
    QTest::newRow("3.5 deposits compound three") << 3.5 << 3641.0;
    QTest::newRow("3.4 deposits compound three") << 3.4 << 3641.0;
    QTest::newRow("0.5 deposits compound one") << 0.5 << 1100.0;
    // clang-format on
}

void TestSavingsSolver::fractional_deposit_counts_round_half_to_even()
{
    QFETCH(double, laufzeit);
    QFETCH(double, endsumme);
    const SavingsOutcome out = solveSavings({1000, 1, laufzeit, 10});
    QCOMPARE(out.kind, Kind::Solved);
    QVERIFY(std::abs(out.endsumme - endsumme) < 1e-9);
    QCOMPARE(out.anlagesumme, 1000 * laufzeit); // the unrounded product
}

void TestSavingsSolver::refusals_data()
{
    QTest::addColumn<SavingsInputs>("in");
    QTest::addColumn<int>("kind");

    // clang-format off
    QTest::newRow("no deposit") << SavingsInputs{0, 12, 10, 5} << int(Kind::MissingInput);
    QTest::newRow("no deposits per year") << SavingsInputs{100, 0, 10, 5} << int(Kind::MissingInput);
    QTest::newRow("no term") << SavingsInputs{100, 12, 0, 5} << int(Kind::MissingInput);
    QTest::newRow("zero interest counts as missing") << SavingsInputs{100, 12, 10, 0} << int(Kind::MissingInput);
    QTest::newRow("one deposit too many") << SavingsInputs{1, 32768, 1, 1} << int(Kind::TooManyDeposits);
    QTest::newRow("far too many") << SavingsInputs{1, 365, 100, 1} << int(Kind::TooManyDeposits);
    QTest::newRow("an infinite count") << SavingsInputs{1, HUGE_VAL, 1, 1} << int(Kind::TooManyDeposits);
    QTest::newRow("huge deposit") << SavingsInputs{1e308, 12, 10, 5} << int(Kind::NotComputable);
    QTest::newRow("huge rate") << SavingsInputs{100, 1, 1000, 1e300} << int(Kind::NotComputable);
    QTest::newRow("balance beyond a double") << SavingsInputs{1e300, 1, 32767, 5} << int(Kind::NotComputable);
    QTest::newRow("infinite deposit") << SavingsInputs{HUGE_VAL, 1, 1, 5} << int(Kind::NotComputable);
    // clang-format on
}

void TestSavingsSolver::refusals()
{
    QFETCH(SavingsInputs, in);
    QFETCH(int, kind);
    const SavingsOutcome out = solveSavings(in);
    QCOMPARE(int(out.kind), kind);
    QCOMPARE(out.endsumme, 0.0);
}

QTEST_GUILESS_MAIN(TestSavingsSolver)
#include "tst_savingssolver.moc"
