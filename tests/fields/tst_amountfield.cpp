// The amount field as a user meets it: typing key by key, pasting whole, the typed length limit,
// select-all on focus and the two looks.
#include "app/accessibility.h"
#include "app/translation.h"
#include "fields/amountfield.h"
#include "fields/styles.h"
#include "support/typing.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>
#include <QtTest>

using namespace rechnado;

namespace {
constexpr int kRate = 0x100;
}

class TestAmountField : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void typed_key_by_key_data() { textRows(); }
    void typed_key_by_key();
    void pasted_whole_data() { textRows(); }
    void pasted_whole();
    void inserted_whole_data() { textRows(); }
    void inserted_whole();
    void backspace_and_editing_keys_work();
    void enter_is_not_inserted_and_keypad_decimal_types_the_separator();
    void twelfth_character_is_refused_but_program_text_is_not_cut();
    void paste_over_a_selection_counts_the_resulting_length();
    void paste_once_as_one_undo_step_data();
    void paste_once_as_one_undo_step();
    void context_menu_reads_german_and_pastes_the_plain_number();
    void tab_selects_the_whole_text();
    void mouse_focus_selects_the_whole_text();
    void empty_field_gets_an_empty_selection();
    void locked_field_still_selects_on_focus_and_copies();
    void input_and_result_styles();
    void screen_reader_edits_data();
    void screen_reader_edits();

private:
    // Each row is exercised typed key by key, pasted and inserted whole.
    static void textRows();

    QWidget *m_window = nullptr;
    AmountField *m_first = nullptr;
    AmountField *m_field = nullptr;
};

void TestAmountField::init()
{
    installAccessibility(); // before any field exists, as the program does
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_window = new QWidget;
    auto *layout = new QVBoxLayout(m_window);
    m_first = new AmountField(m_window);
    m_field = new AmountField(m_window);
    m_field->setObjectName(QStringLiteral("field"));
    layout->addWidget(m_first);
    layout->addWidget(m_field);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestAmountField::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestAmountField::textRows()
{
    QTest::addColumn<int>("filter"); // with kRate: a percentage or rate field
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("typed");  // what typing it key by key leaves
    QTest::addColumn<QString>("pasted"); // what a paste of it leaves
    QTest::addColumn<QLocale>("locale");

    const int dec = int(KeyFilter::Decimal);
    const int sig = int(KeyFilter::SignedDecimal);
    const int whole = int(KeyFilter::WholeNumber);
    const int none = int(KeyFilter::None);
    const int rate = dec | kRate;
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale sv(QLocale::Swedish, QLocale::Sweden);
    const QLocale ch(QLocale::German, QLocale::Switzerland);
    // clang-format off
    QTest::newRow("decimal digits and comma") << dec << 11 << "1234,56" << "1234,56" << "1234,56" << de;
    QTest::newRow("decimal refuses the point") << dec << 11 << "1.5" << "15" << "" << de;
    QTest::newRow("decimal refuses minus") << dec << 11 << "-5" << "5" << "" << de;
    QTest::newRow("decimal takes two commas, a paste of them is no number") << dec << 11 << "1,,5" << "1,,5" << "" << de;
    QTest::newRow("decimal refuses letters and umlauts") << dec << 11 << "1a2ä3ß" << "123" << "" << de;
    QTest::newRow("decimal refuses blanks") << dec << 11 << "1 000" << "1000" << "" << de;
    QTest::newRow("signed takes minus anywhere, a paste only before") << sig << 11 << "5-5" << "5-5" << "" << de;
    QTest::newRow("signed: plus and percent typed refused, pasted dropped") << sig << 11 << "+5%" << "5" << "5" << de;
    QTest::newRow("whole refuses comma") << whole << 0 << "12,5" << "125" << "" << de;
    QTest::newRow("whole has no limit") << whole << 0 << "1234567890123" << "1234567890123" << "1234567890123" << de;
    QTest::newRow("typing limited to 11, a paste whole") << dec << 11 << "123456789012" << "12345678901" << "123456789012" << de;
    QTest::newRow("exactly 11") << dec << 11 << "12345678901" << "12345678901" << "12345678901" << de;
    QTest::newRow("no filter takes anything") << none << 0 << "ab.c" << "ab.c" << "ab.c" << de;
    QTest::newRow("de decimal mixed") << dec << 11 << "1.5a-,2" << "15,2" << "" << de;
    QTest::newRow("ch decimal takes the point") << dec << 11 << "7.7" << "7.7" << "7.7" << ch;
    QTest::newRow("ch signed mixed") << sig << 11 << "-1.5a,2" << "-1.5,2" << "" << ch;
    QTest::newRow("pasted with a line end") << dec << 11 << "119,00\n" << "119,00" << "119,00" << de;
    QTest::newRow("pasted with blanks") << dec << 11 << " 100 " << "100" << "100" << de;
    QTest::newRow("pasted grouped with a currency") << dec << 11 << "1.234,56 €" << "1234,56" << "1234,56" << de;
    QTest::newRow("pasted with a percent sign") << sig << 11 << "-19 %" << "-19" << "-19" << de;
    QTest::newRow("pasted result of the program") << sig << 11 << "+19,00%" << "19,00" << "19,00" << de;
    QTest::newRow("pasted grouping in wrong places") << dec << 11 << "1.23.4" << "1234" << "" << de;
    QTest::newRow("pasted letters stay refused") << dec << 11 << "12a" << "12" << "" << de;
    QTest::newRow("pasted minus into a decimal field") << dec << 11 << "-1.000" << "1000" << "" << de;
    QTest::newRow("ch pasted grouping") << dec << 11 << "1'234.50 CHF" << "1234.50" << "1234.50" << ch;
    QTest::newRow("pasted grouping after a zero is no number") << dec << 11 << "0.500" << "0500" << "" << de;
    QTest::newRow("pasted zeros before grouping") << dec << 11 << "00.123" << "00123" << "" << de;
    QTest::newRow("pasted foreign currency") << dec << 11 << "$5" << "5" << "" << de;
    QTest::newRow("pasted own currency code") << dec << 11 << "100,50 EUR" << "100,50" << "100,50" << de;
    QTest::newRow("pasted point in a rate is no grouping") << rate << 11 << "3.125" << "3125" << "" << de;
    QTest::newRow("pasted rate") << rate << 11 << "3,125 %" << "3,125" << "3,125" << de;
    QTest::newRow("pasted two minus signs") << sig << 11 << "--5" << "--5" << "" << de;
    QTest::newRow("pasted plus before minus") << sig << 11 << "+-5" << "-5" << "" << de;
    QTest::newRow("sv pasted own minus") << sig << 11 << QString(QChar(0x2212)) + u'5' << "5" << "-5" << sv;
    QTest::newRow("pasted result beyond the typed limit") << dec << 11 << "1234568359567,13" << "12345683595"
                                                           << "1234568359567,13" << de;
    // clang-format on
}

void TestAmountField::typed_key_by_key()
{
    QFETCH(int, filter);
    QFETCH(int, maxLength);
    QFETCH(QString, input);
    QFETCH(QString, typed);
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    m_field->setKeyFilter(static_cast<KeyFilter>(filter & ~kRate));
    m_field->setHolds(filter & kRate ? Holds::Rate : Holds::Amount);
    m_field->setTypedMaxLength(maxLength);
    m_field->setFocus();
    test::typeText(m_field, input);
    QCOMPARE(m_field->text(), typed);
}

void TestAmountField::pasted_whole()
{
    QFETCH(int, filter);
    QFETCH(int, maxLength);
    QFETCH(QString, input);
    QFETCH(QString, pasted);
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    m_field->setKeyFilter(static_cast<KeyFilter>(filter & ~kRate));
    m_field->setHolds(filter & kRate ? Holds::Rate : Holds::Amount);
    m_field->setTypedMaxLength(maxLength);
    m_field->setFocus();
    QGuiApplication::clipboard()->setText(input);
    QTest::keySequence(m_field, QKeySequence::Paste);
    QCOMPARE(m_field->text(), pasted);
}

void TestAmountField::inserted_whole()
{
    QFETCH(int, filter);
    QFETCH(int, maxLength);
    QFETCH(QString, input);
    QFETCH(QString, typed);
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    m_field->setKeyFilter(static_cast<KeyFilter>(filter & ~kRate));
    m_field->setHolds(filter & kRate ? Holds::Rate : Holds::Amount);
    m_field->setTypedMaxLength(maxLength);
    m_field->insert(input);
    // Text inserted by the program's own hand is not reduced: it goes in whole where typing keeps
    // every character of it.
    QCOMPARE(m_field->text(), typed == input ? input : QString());
}

void TestAmountField::backspace_and_editing_keys_work()
{
    m_field->setKeyFilter(KeyFilter::Decimal);
    m_field->setFocus();
    QTest::keyClicks(m_field, QStringLiteral("1234"));
    QTest::keyClick(m_field, Qt::Key_Backspace);
    QCOMPARE(m_field->text(), QStringLiteral("123"));
    QTest::keyClick(m_field, Qt::Key_Home);
    QTest::keyClick(m_field, Qt::Key_Delete);
    QTest::keyClick(m_field, Qt::Key_Right);
    QTest::keyClicks(m_field, QStringLiteral(","));
    QCOMPARE(m_field->text(), QStringLiteral("2,3"));
    QTest::keySequence(m_field, QKeySequence::Undo);
    QCOMPARE(m_field->text(), QStringLiteral("23"));
}

void TestAmountField::enter_is_not_inserted_and_keypad_decimal_types_the_separator()
{
    m_field->setKeyFilter(KeyFilter::Decimal);
    m_field->setFocus();
    QTest::keyClicks(m_field, QStringLiteral("12"));
    QTest::keyClick(m_field, Qt::Key_Return);
    QTest::keyClick(m_field, Qt::Key_Escape);
    QCOMPARE(m_field->text(), QStringLiteral("12"));
    // The keypad's decimal key types the locale's separator, whatever the layout puts on it.
    QTest::keyClick(m_field, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(m_field, Qt::Key_5, Qt::KeypadModifier);
    QCOMPARE(m_field->text(), QStringLiteral("12,5"));
}

void TestAmountField::twelfth_character_is_refused_but_program_text_is_not_cut()
{
    m_field->setKeyFilter(KeyFilter::Decimal);
    m_field->setTypedMaxLength(11);
    const QString result = QStringLiteral("+100000000000,00%");
    m_field->setText(result);
    QCOMPARE(m_field->text(), result);
    m_field->setText(QStringLiteral("12345678901"));
    m_field->setFocus();
    m_field->end(false);
    QTest::keyClicks(m_field, QStringLiteral("2"));
    QCOMPARE(m_field->text(), QStringLiteral("12345678901"));
}

void TestAmountField::paste_over_a_selection_counts_the_resulting_length()
{
    m_field->setKeyFilter(KeyFilter::Decimal);
    m_field->setTypedMaxLength(11);
    m_field->setText(QStringLiteral("12345678901"));
    m_field->setFocus();
    m_field->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    QTest::keySequence(m_field, QKeySequence::Paste);
    QCOMPARE(m_field->text(), QStringLiteral("99"));
    // A pasted number longer than typing allows can be corrected, and once left shows its start.
    m_field->setFixedWidth(105);
    m_field->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("1234568359567,13"));
    QTest::keySequence(m_field, QKeySequence::Paste);
    QTest::keyClick(m_field, Qt::Key_Backspace);
    QCOMPARE(m_field->text(), QStringLiteral("1234568359567,1"));
    QTest::keyClicks(m_field, QStringLiteral("9"));
    QCOMPARE(m_field->text(), QStringLiteral("1234568359567,1"));
    m_first->setFocus();
    QCOMPARE(m_field->cursorPosition(), 0);
}

void TestAmountField::paste_once_as_one_undo_step_data()
{
    QTest::addColumn<QString>("path");
    for (const char *path : {"Strg+V", "Umschalt+Einfg", "middle button", "drop", "screen reader"})
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestAmountField::paste_once_as_one_undo_step()
{
    QFETCH(QString, path);
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (path == u"middle button" && !clipboard->supportsSelection())
        QSKIP("no selection to paste on this platform");
    m_field->setKeyFilter(KeyFilter::Decimal);
    m_field->setFocus();
    QTest::keyClicks(m_field, QStringLiteral("5"));
    const QString copied = QStringLiteral("100");
    clipboard->setText(copied);
    clipboard->setText(copied, QClipboard::Selection);
    if (path == u"Strg+V") {
        QTest::keyClick(m_field, Qt::Key_V, Qt::ControlModifier);
    } else if (path == u"Umschalt+Einfg") {
        QTest::keyClick(m_field, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (path == u"middle button") {
        QTest::mouseClick(m_field, Qt::MiddleButton, {}, QPoint(m_field->width() - 3, m_field->height() / 2));
    } else if (path == u"drop") {
        QMimeData dragged;
        dragged.setText(copied);
        const QPoint at(m_field->width() - 3, m_field->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(m_field, &enter);
        QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(m_field, &drop);
    } else {
        QAccessible::queryAccessibleInterface(m_field)->editableTextInterface()->insertText(1, copied);
    }
    QCOMPARE(m_field->text(), QStringLiteral("5100"));
    QTest::keySequence(m_field, QKeySequence::Undo);
    QCOMPARE(m_field->text(), QStringLiteral("5"));
}

void TestAmountField::context_menu_reads_german_and_pastes_the_plain_number()
{
    QVERIFY(installGermanToolkitTexts());
    m_field->setKeyFilter(KeyFilter::Decimal);
    m_field->setFocus();
    QTest::keyClicks(m_field, QStringLiteral("5"));
    QGuiApplication::clipboard()->setText(QStringLiteral("100"));
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2), m_field->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(m_field, &request);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList entries;
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        entries << action->text().section(u'\t', 0, 0).remove(u'&');
        if (entries.back() == u"Einfügen")
            paste = action;
    }
    QCOMPARE(
        entries.join(u'|'),
        QStringLiteral("Rückgängig|Wiederherstellen|Ausschneiden|Kopieren|Einfügen|Löschen|Alles auswählen"));
    QVERIFY(paste);
    paste->trigger();
    menu->close();
    // Pasted once, as one undo step.
    QCOMPARE(m_field->text(), QStringLiteral("5100"));
    QTest::keySequence(m_field, QKeySequence::Undo);
    QCOMPARE(m_field->text(), QStringLiteral("5"));
}

void TestAmountField::tab_selects_the_whole_text()
{
    m_field->setText(QStringLiteral("100"));
    m_first->setFocus();
    QTest::keyClick(m_first, Qt::Key_Tab);
    QVERIFY(m_field->hasFocus());
    QCOMPARE(m_field->selectedText(), QStringLiteral("100"));
    // A screen reader is told the same, and the text's one attribute run covers all of it.
    QAccessibleTextInterface *told = QAccessible::queryAccessibleInterface(m_field)->textInterface();
    int start = -1, end = -1;
    told->selection(0, &start, &end);
    QCOMPARE(told->text(start, end), QStringLiteral("100"));
    told->attributes(2, &start, &end);
    QCOMPARE(QPair(start, end), QPair(0, 3));
    QTest::keyClicks(m_field, QStringLiteral("5"));
    QCOMPARE(m_field->text(), QStringLiteral("5"));
}

void TestAmountField::mouse_focus_selects_the_whole_text()
{
    m_field->setText(QStringLiteral("250,5"));
    m_first->setFocus();
    QTest::mouseClick(m_field, Qt::LeftButton, {}, QPoint(3, m_field->height() / 2));
    QVERIFY(m_field->hasFocus());
    QCOMPARE(m_field->selectedText(), QStringLiteral("250,5"));
    // A second click inside the focused field places the caret as usual.
    QTest::mouseClick(m_field, Qt::LeftButton, {}, QPoint(3, m_field->height() / 2));
    QVERIFY(!m_field->hasSelectedText());
}

void TestAmountField::empty_field_gets_an_empty_selection()
{
    m_first->setFocus();
    QTest::keyClick(m_first, Qt::Key_Tab);
    QVERIFY(m_field->hasFocus());
    QVERIFY(!m_field->hasSelectedText());
    QCOMPARE(m_field->cursorPosition(), 0);
}

void TestAmountField::locked_field_still_selects_on_focus_and_copies()
{
    m_field->setText(QStringLiteral("119,00"));
    m_field->applyResultStyle();
    m_first->setFocus();
    QTest::keyClick(m_first, Qt::Key_Tab);
    QCOMPARE(m_field->selectedText(), QStringLiteral("119,00"));
    QTest::keyClicks(m_field, QStringLiteral("9"));
    QCOMPARE(m_field->text(), QStringLiteral("119,00"));
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(m_field, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("119,00"));
}

void TestAmountField::input_and_result_styles()
{
    m_field->setText(QStringLiteral("119,00"));
    m_field->setForeColour(styles::green());
    m_field->setEnabled(false);
    m_field->applyResultStyle();
    QCOMPARE(m_field->backColour(), QColor(255, 255, 192));
    QVERIFY(!m_field->hasBorder());
    QCOMPARE(m_field->font().pointSizeF(), 14.0);
    QVERIFY(m_field->font().bold());
    QVERIFY(m_field->isLocked());
    QVERIFY(!m_field->isEnabled()); // the result style leaves enabled alone
    QCOMPARE(m_field->text(), QStringLiteral("119,00"));

    m_field->applyInputStyle(false);
    QCOMPARE(m_field->text(), QString());
    QVERIFY(m_field->isEnabled());
    QCOMPARE(m_field->backColour(), styles::windowBackground());
    QCOMPARE(m_field->foreColour(), styles::green()); // only the percentage field turns black
    QVERIFY(m_field->hasBorder());
    QCOMPARE(m_field->font().pointSizeF(), 12.0);
    QVERIFY(!m_field->font().bold());
    QVERIFY(!m_field->isLocked());

    m_field->applyInputStyle(true);
    QCOMPARE(m_field->foreColour(), QColor(0, 0, 0));
}

void TestAmountField::screen_reader_edits_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // the field held "1234" with "23" selected
    QTest::newRow("typed at an offset") << 2 << 2 << "5"
                                        << "12534";
    QTest::newRow("deleted range") << 1 << 3 << ""
                                   << "14";
    QTest::newRow("pasted text reduced") << 0 << 4 << "1.234,56 €"
                                         << "1234,56";
    QTest::newRow("pasted no number") << 0 << 0 << "5-5"
                                      << "1234";
    QTest::newRow("offset beyond the text") << 5 << 5 << "9"
                                            << "1234";
    QTest::newRow("offset before the text") << -1 << 0 << "9"
                                            << "1234";
    QTest::newRow("start after end") << 3 << 1 << ""
                                     << "1234";
}

void TestAmountField::screen_reader_edits()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    m_field->setKeyFilter(KeyFilter::Decimal);
    m_field->setText(QStringLiteral("1234"));
    m_field->setSelection(1, 2);
    QAccessibleInterface *field = QAccessible::queryAccessibleInterface(m_field);
    field->textInterface()->setSelection(0, 4, 1); // start after end: nothing
    field->editableTextInterface()->replaceText(start, end, text);
    QCOMPARE(m_field->text(), expected);
    if (expected == u"1234") // refused: the selection stays too
        QCOMPARE(m_field->selectedText(), QStringLiteral("23"));
    // The one attribute run ends with the text, wherever it is asked for.
    int runStart = -1, runEnd = -1;
    field->textInterface()->attributes(40, &runStart, &runEnd);
    QCOMPARE(QPair(runStart, runEnd), QPair(0, int(expected.size())));
    // A text scrolled to its end: its last character is in the field, its first one out of it.
    m_field->setText(QString(40, u'8'));
    m_field->end(false);
    QTest::qWait(20);
    const QRect shown(m_field->mapToGlobal(QPoint(0, 0)), m_field->size());
    QVERIFY(shown.contains(field->textInterface()->characterRect(39)));
    QVERIFY(field->textInterface()->characterRect(0).left() < shown.left());
}

QTEST_MAIN(TestAmountField)
#include "tst_amountfield.moc"
