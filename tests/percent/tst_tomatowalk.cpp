// The tomato walk and the calculation counter, without widgets.
#include "percent/tomatowalk.h"

#include <QtTest>

using namespace rechnado;

class TestTomatoWalk : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void walks_the_rectangle_press_by_press_data();
    void walks_the_rectangle_press_by_press();
    void a_tomato_beyond_the_bound_does_not_move();
    void phase_wraps_after_the_fourth_leg();
    void jokes_come_at_their_counts_data();
    void jokes_come_at_their_counts();
    void no_joke_between_the_counts();
};

void TestTomatoWalk::walks_the_rectangle_press_by_press_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("lastPos");

    // clang-format off
    QTest::newRow("1 left") << 1 << 919.0 << 570.0 << 919;
    QTest::newRow("2 up") << 2 << 919.0 << 229.0 << 229;
    QTest::newRow("3 right") << 3 << 2301.0 << 229.0 << 2301;
    QTest::newRow("4 down") << 4 << 2301.0 << 571.0 << 571;
    QTest::newRow("5 left again") << 5 << 919.0 << 571.0 << 919;
    QTest::newRow("6 up again") << 6 << 919.0 << 229.0 << 229;
    QTest::newRow("8 second circuit") << 8 << 2301.0 << 571.0 << 571;
    QTest::newRow("124 presses") << 124 << 2301.0 << 571.0 << 571;
    // clang-format on
}

void TestTomatoWalk::walks_the_rectangle_press_by_press()
{
    QFETCH(int, presses);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(int, lastPos);

    TomatoWalk walk;
    double x = 2300;
    double y = 570;
    for (int i = 0; i < presses; ++i)
        walk.walk(x, y);
    QCOMPARE(x, left);
    QCOMPARE(y, top);
    QCOMPARE(walk.tomatePos, static_cast<std::int16_t>(lastPos));
    QCOMPARE(walk.tomatePhase, static_cast<std::int16_t>((presses - 1) % 4 + 1));
}

void TestTomatoWalk::a_tomato_beyond_the_bound_does_not_move()
{
    TomatoWalk walk;
    double x = 900; // already left of the bound
    double y = 570;
    walk.walk(x, y);
    QCOMPARE(x, 900.0);
    QCOMPARE(walk.tomatePos, std::int16_t(900));
    QCOMPARE(walk.tomatePhase, std::int16_t(1));
}

void TestTomatoWalk::phase_wraps_after_the_fourth_leg()
{
    TomatoWalk walk;
    walk.tomatePhase = 4;
    double x = 2300;
    double y = 570;
    walk.walk(x, y); // read as 0: left
    QCOMPARE(x, 919.0);
    QCOMPARE(walk.tomatePhase, std::int16_t(1));
}

void TestTomatoWalk::jokes_come_at_their_counts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");

    // clang-format off
    QTest::newRow("15") << 15
                        << QStringLiteral("Freut mich, dass Dir das Programm so gut gefällt !\r\n\n\r"
                                          "              ... und das ist auch gut so !")
                        << int(MsgIcon::None);
    QTest::newRow("30") << 30 << QStringLiteral("Du bist aber ganz schön eifrig !") << int(MsgIcon::Information);
    QTest::newRow("50") << 50
                        << QStringLiteral("OK, ich denke langsam solltest Du statt mit der\r\n"
                                          "Tomate lieber mit etwas Anständigem spielen ;-)")
                        << int(MsgIcon::Question);
    QTest::newRow("100") << 100 << QStringLiteral("Achtung !\r\nDie Tomate wird langsam matschig !")
                         << int(MsgIcon::Exclamation);
    QTest::newRow("125") << 125 << QStringLiteral("Zu spät !\r\nJetzt habe ich keine Lust mehr !")
                         << int(MsgIcon::Critical);
    // clang-format on
}

void TestTomatoWalk::jokes_come_at_their_counts()
{
    QFETCH(int, count);
    QFETCH(QString, text);
    QFETCH(int, icon);

    TomatoWalk walk;
    walk.berechnungen = static_cast<std::int16_t>(count - 1);
    const std::optional<TomatoWalk::Joke> joke = walk.count();
    QVERIFY(joke);
    QCOMPARE(walk.berechnungen, std::int16_t(count));
    QCOMPARE(joke->text, text);
    QCOMPARE(joke->title, QStringLiteral("Berechnungen: %1").arg(count));
    QCOMPARE(int(joke->icon), icon);
}

void TestTomatoWalk::no_joke_between_the_counts()
{
    TomatoWalk walk;
    QList<int> counts;
    for (int i = 1; i <= 125; ++i)
        if (walk.count())
            counts << i;
    QCOMPARE(counts, (QList<int>{15, 30, 50, 100, 125}));
}

QTEST_GUILESS_MAIN(TestTomatoWalk)
#include "tst_tomatowalk.moc"
