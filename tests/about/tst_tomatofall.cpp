// The tomato's fall, tick by tick, without widgets.
#include "about/tomatofall.h"

#include <QtTest>

using namespace rechnado;

namespace {
// Ticks until the timer would stop; returns the number of ticks that moved the tomato.
int runUntilStop(TomatoFall &fall, float &left, float &top)
{
    int moves = 0;
    for (int guard = 0; guard < 1000; ++guard) {
        const float oldLeft = left;
        const float oldTop = top;
        if (!fall.tick(left, top))
            return moves;
        if (oldLeft != left || oldTop != top)
            ++moves;
    }
    return -1;
}
} // namespace

class TestTomatoFall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void first_fall_goes_down_and_left();
    void second_fall_sinks_then_returns_from_the_top();
    void cycle_starts_again_from_where_it_stands();
    void each_leg_tests_before_it_moves();
};

void TestTomatoFall::first_fall_goes_down_and_left()
{
    TomatoFall fall;
    float left = 3120;
    float top = 600;
    QCOMPARE(runUntilStop(fall, left, top), 24);
    QCOMPARE(left, 2520.0f);
    QCOMPARE(top, 1560.0f);
    QVERIFY(fall.tomateGefallen);
    QVERIFY(!fall.tomateRueckkehr);
}

void TestTomatoFall::second_fall_sinks_then_returns_from_the_top()
{
    TomatoFall fall;
    fall.tomateGefallen = true;
    float left = 2520;
    float top = 1560;
    int sinks = 0;
    while (top < 2100) {
        QVERIFY(fall.tick(left, top));
        ++sinks;
    }
    QCOMPARE(sinks, 54);
    QCOMPARE(top, 2100.0f);
    QCOMPARE(left, 2520.0f);
    QVERIFY(fall.tick(left, top)); // put back above the window; the timer keeps running
    QCOMPARE(left, 2930.0f);
    QCOMPARE(top, -500.0f);
    QVERIFY(fall.tomateRueckkehr);
    QCOMPARE(runUntilStop(fall, left, top), 23);
    QCOMPARE(top, 420.0f);
    QVERIFY(!fall.tomateGefallen);
    QVERIFY(!fall.tomateRueckkehr);
}

void TestTomatoFall::cycle_starts_again_from_where_it_stands()
{
    TomatoFall fall;
    float left = 2930;
    float top = 420;
    QCOMPARE(runUntilStop(fall, left, top), 29);
    QCOMPARE(left, 2930.0f - 29 * 25);
    QCOMPARE(top, 1580.0f);
}

void TestTomatoFall::each_leg_tests_before_it_moves()
{
    TomatoFall fall;
    float left = 100;
    float top = 1545; // at the threshold: no move, the leg ends at once
    QVERIFY(!fall.tick(left, top));
    QCOMPARE(QPointF(left, top), QPointF(100, 1545));
}

QTEST_GUILESS_MAIN(TestTomatoFall)
#include "tst_tomatofall.moc"
