// The main window's fifteen cases and their failures, without widgets.
#include "percent/percentsolver.h"

#include <QtTest>
#include <cmath>

using namespace rechnado;
using Kind = PercentOutcome::Kind;

Q_DECLARE_METATYPE(PercentValues)

namespace {

QString fieldName(Field field)
{
    switch (field) {
    case Field::Anlagebetrag:
        return QStringLiteral("Betrag1");
    case Field::Endbetrag:
        return QStringLiteral("Betrag2");
    case Field::Prozent:
        return QStringLiteral("Prozent");
    case Field::Laufzeit:
        return QStringLiteral("Laufzeit");
    case Field::Zinssatz:
        break;
    }
    return QStringLiteral("Zinssatz");
}

// What a press shows, in a compact text: "Betrag2=119.00 diff=19.00".
QString shown(const PercentOutcome &out)
{
    QStringList parts;
    for (const PercentOutcome::Written &w : out.written)
        parts << fieldName(w.field) + u'=' + QString::number(w.value, 'f', 2);
    if (out.callsProzCalc)
        parts << QStringLiteral("change=") + QString::number(out.change, 'f', 2);
    if (out.callsDiffCalc)
        parts << QStringLiteral("diff=") + QString::number(out.difference, 'f', 2);
    if (out.shareTooLarge)
        parts << QStringLiteral("share too large");
    return parts.join(u' ');
}

PercentValues v(double b1, double b2, double p, double lz = 0, double zs = 0)
{
    return {b1, b2, p, lz, zs};
}

} // namespace

class TestPercentSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_row_computes_what_it_lists_data();
    void every_row_computes_what_it_lists();
    void no_row_fits_data();
    void no_row_fits();
    void impossible_values_are_refused_before_anything_is_shown_data();
    void impossible_values_are_refused_before_anything_is_shown();
    void formulas_are_evaluated_in_the_order_written();
    void difference_keeps_double_precision();
};

void TestPercentSolver::every_row_computes_what_it_lists_data()
{
    QTest::addColumn<bool>("von");
    QTest::addColumn<PercentValues>("values");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("1 change of two amounts") << false << v(100, 150, 0) << "change=50.00 diff=50.00";
    QTest::newRow("1 decrease") << false << v(150, 100, 0) << "change=-33.33 diff=-50.00";
    QTest::newRow("1 equal amounts") << false << v(100, 100, 0) << "change=0.00 diff=0.00";
    QTest::newRow("2 gross from net") << false << v(100, 0, 19) << "Betrag2=119.00 diff=19.00";
    QTest::newRow("3 net from gross") << false << v(0, 119, 19) << "Betrag1=100.00 diff=19.00";
    QTest::newRow("4 compound interest") << false << v(1000, 0, 0, 10, 5)
                                         << "Betrag2=1628.89 change=62.89 diff=628.89";
    QTest::newRow("5 rate") << false << v(1000, 2000, 0, 10) << "Zinssatz=7.18 change=100.00 diff=1000.00";
    QTest::newRow("6 present value") << false << v(0, 2000, 0, 10, 5)
                                     << "Betrag1=1227.83 change=62.89 diff=772.17";
    QTest::newRow("7 term") << false << v(1000, 2000, 0, 0, 5) << "Laufzeit=14.21 change=100.00 diff=1000.00";
    QTest::newRow("8 rate from total") << false << v(0, 0, 100, 10) << "Zinssatz=7.18";
    QTest::newRow("9 total from rate") << false << v(0, 0, 0, 10, 5) << "Prozent=62.89";
    QTest::newRow("10 term from total") << false << v(0, 0, 100, 0, 5) << "Laufzeit=14.21";
    QTest::newRow("11 rate then gross") << false << v(1000, 0, 100, 10)
                                        << "Zinssatz=7.18 Betrag2=2000.00 diff=1000.00";
    QTest::newRow("12 rate then net") << false << v(0, 2000, 100, 10)
                                      << "Zinssatz=7.18 Betrag1=1000.00 diff=1000.00";
    QTest::newRow("13 share") << true << v(50, 200, 0) << "Prozent=25.00 diff=150.00";
    QTest::newRow("13 ignores term and rate") << true << v(50, 200, 0, 7, 3) << "Prozent=25.00 diff=150.00";
    QTest::newRow("13 share of the whole is allowed") << true << v(200, 200, 0) << "Prozent=100.00 diff=0.00";
    QTest::newRow("13 share larger than the whole") << true << v(300, 200, 0)
                                                    << "Prozent=150.00 share too large";
    QTest::newRow("14 part") << true << v(0, 200, 25) << "Betrag1=50.00 diff=150.00";
    QTest::newRow("15 whole") << true << v(50, 0, 25) << "Betrag2=200.00 diff=150.00";
    QTest::newRow("15 given share above 100") << true << v(50, 0, 125) << "Betrag2=40.00 share too large";
    QTest::newRow("4 rate of -100 % gives 0, a result like any other") << false << v(1000, 0, 0, 10, -100)
                                                                       << "Betrag2=0.00 change=-100.00 diff=-1000.00";
    QTest::newRow("negative rate") << false << v(1000, 0, 0, 2, -10) << "Betrag2=810.00 change=-19.00 diff=-190.00";
    // clang-format on
}

void TestPercentSolver::every_row_computes_what_it_lists()
{
    QFETCH(bool, von);
    QFETCH(PercentValues, values);
    QFETCH(QString, expected);

    const PercentOutcome out = solvePercent(values, von);
    QCOMPARE(out.kind, Kind::Solved);
    QCOMPARE(out.von, von);
    QCOMPARE(shown(out), expected);
}

void TestPercentSolver::no_row_fits_data()
{
    QTest::addColumn<bool>("von");
    QTest::addColumn<PercentValues>("values");

    // clang-format off
    QTest::newRow("all empty") << false << v(0, 0, 0);
    QTest::newRow("all empty, von") << true << v(0, 0, 0);
    QTest::newRow("one amount only") << false << v(100, 0, 0);
    QTest::newRow("amounts and percentage") << false << v(100, 119, 19);
    QTest::newRow("all five") << false << v(1, 2, 3, 4, 5);
    QTest::newRow("amounts, term and rate") << false << v(1000, 2000, 0, 10, 5);
    QTest::newRow("percentage, term and rate") << false << v(0, 0, 100, 10, 5);
    QTest::newRow("von with three values") << true << v(50, 200, 25);
    QTest::newRow("von with one value") << true << v(0, 200, 0);
    QTest::newRow("term alone") << false << v(0, 0, 0, 10);
    // clang-format on
}

void TestPercentSolver::no_row_fits()
{
    QFETCH(bool, von);
    QFETCH(PercentValues, values);
    const PercentOutcome out = solvePercent(values, von);
    QCOMPARE(out.kind, Kind::NoRow);
    QVERIFY(out.written.empty());
}

void TestPercentSolver::impossible_values_are_refused_before_anything_is_shown_data()
{
    QTest::addColumn<bool>("von");
    QTest::addColumn<PercentValues>("values");

    // clang-format off
    QTest::newRow("3 divides by zero at -100 %") << false << v(0, 119, -100);
    QTest::newRow("6 divides by zero at a rate of -100 %") << false << v(0, 2000, 0, 10, -100);
    QTest::newRow("7 equal amounts give no term") << false << v(1000, 1000, 0, 0, 5);
    QTest::newRow("7 logarithm of zero") << false << v(1000, 2000, 0, 0, -100);
    QTest::newRow("7 logarithm of a negative number") << false << v(1000, 2000, 0, 0, -150);
    QTest::newRow("10 logarithm of zero") << false << v(0, 0, -100, 0, 5);
    QTest::newRow("4 negative base, fractional term") << false << v(1000, 0, 0, 0.5, -150);
    QTest::newRow("8 negative base, fractional power") << false << v(0, 0, -200, 2);
    QTest::newRow("9 negative base") << false << v(0, 0, 0, 2.5, -300);
    QTest::newRow("11 negative base") << false << v(100, 0, -300, 3);
    QTest::newRow("12 divides by zero") << false << v(0, 100, -100, 3);
    QTest::newRow("4 beyond the range of a double") << false << v(1000, 0, 0, 99999999999, 5);
    QTest::newRow("9 beyond the range of a double") << false << v(0, 0, 0, 99999999999, 99);
    QTest::newRow("6 present value of zero, change divides by it") << false << v(0, 2000, 0, 99999999999, 5);
    QTest::newRow("6 underflow to zero, change divides by it") << false << v(0, 2000, 0, 1e9, 0.5);
    QTest::newRow("15 huge whole") << true << v(99999999999, 0, 1e-300);
    QTest::newRow("infinite input") << false << v(HUGE_VAL, 0, 19);
    // clang-format on
}

void TestPercentSolver::impossible_values_are_refused_before_anything_is_shown()
{
    QFETCH(bool, von);
    QFETCH(PercentValues, values);

    const PercentOutcome out = solvePercent(values, von);
    QCOMPARE(out.kind, Kind::NotComputable);
    QVERIFY(out.written.empty());
    QVERIFY(!out.callsProzCalc && !out.callsDiffCalc);
}

void TestPercentSolver::formulas_are_evaluated_in_the_order_written()
{
    // anlagebetrag * 100 / endbetrag, not anlagebetrag / endbetrag * 100: the last bit differs.
    const double share = solvePercent(v(1, 3, 0), true).written.front().value;
    const double multipliedFirst = 1.0 * 100 / 3;
    QCOMPARE(share, multipliedFirst);
    QVERIFY(share != 1.0 / 3 * 100);
    // The change: endbetrag * 100 / anlagebetrag - 100.
    QCOMPARE(solvePercent(v(3, 1, 0), false).change, 1.0 * 100 / 3 - 100);
}

void TestPercentSolver::difference_keeps_double_precision()
{
    const PercentOutcome out = solvePercent(v(1, 1000001.05, 0), false);
    QCOMPARE(QString::number(out.difference, 'f', 2), QStringLiteral("1000000.05"));
}

QTEST_GUILESS_MAIN(TestPercentSolver)
#include "tst_percentsolver.moc"
