// Number text and key filters, without widgets: what the fields let through, what they read, how
// they write.
#include "fields/keyfilter.h"
#include "fields/numbertext.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace rechnado;

namespace {
QLocale german()
{
    return QLocale(QLocale::German, QLocale::Germany);
}
QLocale english()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}
// sv_SE and fi_FI have U+2212 as their own minus sign, which no keyboard types; de_CH writes a
// decimal point.
QLocale localeNamed(const char *name)
{
    return QLocale(QString::fromLatin1(name));
}
} // namespace

class TestNumberText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numeric_test_follows_the_locale_data();
    void numeric_test_follows_the_locale();
    void a_failing_text_leaves_the_variable_alone();
    void a_huge_number_of_digits_reads_as_infinity();
    void writes_two_decimals_without_grouping_data();
    void writes_two_decimals_without_grouping();
    void signed_text_follows_the_unrounded_value_data();
    void signed_text_follows_the_unrounded_value();
    void key_filter_lets_through_data();
    void key_filter_lets_through();
    void key_filter_refuses_every_other_code();
    void whole_text_passes_only_if_every_character_does();
};

void TestNumberText::numeric_test_follows_the_locale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    const QLocale de = german();
    const QLocale en = english();
    // clang-format off
    QTest::newRow("de integer") << de << "100" << true << 100.0;
    QTest::newRow("de comma") << de << "1,5" << true << 1.5;
    QTest::newRow("de negative") << de << "-3,25" << true << -3.25;
    QTest::newRow("de leading comma") << de << ",5" << true << 0.5;
    QTest::newRow("de trailing comma") << de << "5," << true << 5.0;
    QTest::newRow("de zero") << de << "0" << true << 0.0;
    QTest::newRow("de minus zero") << de << "-0" << true << 0.0;
    QTest::newRow("de empty") << de << "" << false << 0.0;
    QTest::newRow("de lone comma") << de << "," << false << 0.0;
    QTest::newRow("de lone minus") << de << "-" << false << 0.0;
    QTest::newRow("de minus between digits") << de << "5-5" << false << 0.0;
    QTest::newRow("de trailing minus") << de << "5-" << false << 0.0;
    QTest::newRow("de two commas") << de << "1,,5" << false << 0.0;
    QTest::newRow("de comma and comma") << de << "1,2,3" << false << 0.0;
    QTest::newRow("de point is grouping, refused") << de << "1.000" << false << 0.0;
    QTest::newRow("de blank") << de << "1 0" << false << 0.0;
    QTest::newRow("de exponent") << de << "1e5" << false << 0.0;
    QTest::newRow("de result text with percent") << de << "19,00%" << false << 0.0;
    QTest::newRow("de result text with plus") << de << "+19,00" << false << 0.0;
    QTest::newRow("en point") << en << "1.5" << true << 1.5;
    QTest::newRow("en comma refused") << en << "1,5" << false << 0.0;
    QTest::newRow("en negative") << en << "-2.5" << true << -2.5;
    QTest::newRow("sv typed minus") << localeNamed("sv_SE") << "-5" << true << -5.0;
    QTest::newRow("sv own minus") << localeNamed("sv_SE") << QString(QChar(0x2212)) + QStringLiteral("5,5") << true << -5.5;
    QTest::newRow("fi typed minus") << localeNamed("fi_FI") << "-0,25" << true << -0.25;
    QTest::newRow("ch point") << localeNamed("de_CH") << "7.7" << true << 7.7;
    QTest::newRow("ch comma refused") << localeNamed("de_CH") << "7,7" << false << 0.0;
    // clang-format on
}

void TestNumberText::numeric_test_follows_the_locale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);

    QCOMPARE(isNumeric(text, locale), numeric);
    const std::optional<double> read = toNumber(text, locale);
    QCOMPARE(read.has_value(), numeric);
    if (read) {
        QCOMPARE(*read, value);
        QVERIFY(!std::signbit(*read) || value < 0);
    }
}

void TestNumberText::a_failing_text_leaves_the_variable_alone()
{
    double variable = 42;
    readField(QStringLiteral("1,,5"), variable, german());
    QCOMPARE(variable, 42.0);
    readField(QString(), variable, german());
    QCOMPARE(variable, 42.0);
    readField(QStringLiteral("7,25"), variable, german());
    QCOMPARE(variable, 7.25);
}

void TestNumberText::a_huge_number_of_digits_reads_as_infinity()
{
    const std::optional<double> value = toNumber(QString(400, u'9'), german());
    QVERIFY(value);
    QVERIFY(std::isinf(*value));
}

void TestNumberText::writes_two_decimals_without_grouping_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const QLocale de = german();
    const QLocale en = english();
    // clang-format off
    QTest::newRow("de grouping omitted") << de << 1234.5 << "1234,50";
    QTest::newRow("de millions") << de << 1000000.05 << "1000000,05";
    QTest::newRow("de negative") << de << -3.0 << "-3,00";
    QTest::newRow("de rounds up") << de << 2.499999 << "2,50";
    QTest::newRow("de small") << de << 0.004 << "0,00";
    QTest::newRow("de negative rounding to zero has no sign") << de << -0.004 << "0,00";
    QTest::newRow("de huge") << de << 1e20 << "100000000000000000000,00";
    QTest::newRow("en grouping omitted") << en << 1234.5 << "1234.50";
    QTest::newRow("en negative") << en << -33.333333 << "-33.33";
    QTest::newRow("sv negative with a typed minus") << localeNamed("sv_SE") << -5.0 << "-5,00";
    QTest::newRow("fi negative with a typed minus") << localeNamed("fi_FI") << -1234.5 << "-1234,50";
    QTest::newRow("ch grouping omitted") << localeNamed("de_CH") << 12345.678 << "12345.68";
    QTest::newRow("de tie goes up, not to the double below") << de << 2.675 << "2,68";
    QTest::newRow("de negative tie goes away from zero") << de << -2.675 << "-2,68";
    QTest::newRow("de exact binary tie") << de << 0.125 << "0,13";
    QTest::newRow("de tie carries") << de << 13.375 << "13,38";
    QTest::newRow("de computed tie") << de << 0.07 * 2.5 + 2.5 << "2,68";
    QTest::newRow("de tie carries into the units") << de << 9.995 << "10,00";
    QTest::newRow("de beyond 15 digits the value's own cents") << de << 12345678901234.56 << "12345678901234,56";
    QTest::newRow("ch tie") << localeNamed("de_CH") << 1.005 << "1.01";
    QTest::newRow("de exact tie beyond a billion") << de << 1234568359567.125 << "1234568359567,13";
    QTest::newRow("de near a tie, rounded once") << de << 101056248487.3045 << "101056248487,30";
    // clang-format on
}

void TestNumberText::writes_two_decimals_without_grouping()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatFixed2(value, locale), text);
}

void TestNumberText::signed_text_follows_the_unrounded_value_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("increase") << 50.0 << "+50,00";
    QTest::newRow("tiny increase") << 0.001 << "+0,00";
    QTest::newRow("no change") << 0.0 << "0,00";
    QTest::newRow("decrease") << -33.3333 << "-33,33";
    QTest::newRow("tiny decrease") << -0.001 << "0,00";
    // clang-format on
}

void TestNumberText::signed_text_follows_the_unrounded_value()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatSigned(value, german()), text);
}

void TestNumberText::key_filter_lets_through_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("accepted");

    const int dec = int(KeyFilter::Decimal);
    const int sig = int(KeyFilter::SignedDecimal);
    // clang-format off
    QTest::newRow("decimal") << german() << dec << QStringLiteral("0123456789,\b");
    QTest::newRow("signed decimal") << german() << sig << QStringLiteral("0123456789,-\b");
    QTest::newRow("whole number") << german() << int(KeyFilter::WholeNumber) << QStringLiteral("0123456789\b");
    QTest::newRow("ch decimal takes the point") << localeNamed("de_CH") << dec << QStringLiteral("0123456789,.\b");
    QTest::newRow("ch signed takes the point") << localeNamed("de_CH") << sig << QStringLiteral("0123456789,.-\b");
    QTest::newRow("ch whole refuses the point") << localeNamed("de_CH") << int(KeyFilter::WholeNumber) << QStringLiteral("0123456789\b");
    QTest::newRow("sv signed") << localeNamed("sv_SE") << sig << QStringLiteral("0123456789,-\b");
    QTest::newRow("fi signed") << localeNamed("fi_FI") << sig << QStringLiteral("0123456789,-\b");
    // clang-format on
}

void TestNumberText::key_filter_lets_through()
{
    QFETCH(QLocale, locale);
    QFETCH(int, filter);
    QFETCH(QString, accepted);
    const auto kind = static_cast<KeyFilter>(filter);
    for (int code = -200; code < 400; ++code) {
        auto keyAscii = static_cast<std::int16_t>(code);
        filterKeyPress(kind, keyAscii, locale);
        const bool expected = code >= 0 && accepted.contains(QChar(code));
        QVERIFY2((keyAscii != 0) == expected, qPrintable(QStringLiteral("code %1").arg(code)));
        if (expected)
            QCOMPARE(keyAscii, static_cast<std::int16_t>(code));
    }
}

void TestNumberText::key_filter_refuses_every_other_code()
{
    for (const char16_t c : {u'.', u' ', u'a', u'Z', u'\r', u'\t', u'\x1b', u'+', u'%', u'ä', u'ß', u'€'}) {
        QVERIFY(!filterAccepts(KeyFilter::SignedDecimal, c, german()));
        QVERIFY(filterAccepts(KeyFilter::None, c));
    }
    QVERIFY(!filterAccepts(KeyFilter::Decimal, char16_t(0xFF10), german())); // a full-width digit
}

void TestNumberText::whole_text_passes_only_if_every_character_does()
{
    QVERIFY(filterAcceptsAll(KeyFilter::Decimal, u"1,5"));
    QVERIFY(!filterAcceptsAll(KeyFilter::Decimal, u"1.5", german()));
    QVERIFY(filterAcceptsAll(KeyFilter::Decimal, u"1.5", localeNamed("de_CH")));
    QVERIFY(!filterAcceptsAll(KeyFilter::Decimal, u"-1"));
    QVERIFY(filterAcceptsAll(KeyFilter::SignedDecimal, u"-1,5"));
    QVERIFY(!filterAcceptsAll(KeyFilter::WholeNumber, u"12,0"));
    QVERIFY(!filterAcceptsAll(KeyFilter::WholeNumber, u"12\n"));
    QVERIFY(filterAcceptsAll(KeyFilter::WholeNumber, u""));
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
