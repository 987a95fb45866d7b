// How long one whole press of "Berechnen !" takes, the tomato walk included.
#include "app/controls.h"
#include "fields/amountfield.h"
#include "support/testsupport.h"

#include <QPushButton>

using namespace rechnado;
using namespace rechnado::test;

class BenchPress : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void press_data();
    void press();

private:
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<Program> m_program;
};

void BenchPress::init()
{
    QLocale::setDefault(german());
    m_platform = std::make_unique<RecordingPlatform>();
    m_program = std::make_unique<Program>();
    m_program->rechnado.show();
}

void BenchPress::cleanup()
{
    m_program.reset();
    m_platform.reset();
}

void BenchPress::press_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("texts");
    // clang-format off
    QTest::newRow("main, compound interest")
        << "Rechnado" << QStringList{"txtAnlagebetrag", "txtLaufzeit", "txtZinssatz"} << QStringList{"1000", "10", "5"};
    QTest::newRow("main, von share") << "Rechnado" << QStringList{"txtAnlagebetrag", "txtEndbetrag"}
                                     << QStringList{"50", "200"};
    QTest::newRow("savings, 32767 deposits")
        << "Sparplan" << QStringList{"txtSparrate", "txtMalProJahr", "txtLaufzeit", "txtProzent"}
        << QStringList{"1", "32767", "1", "1"};
    // clang-format on
}

void BenchPress::press()
{
    QFETCH(QString, window);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, texts);

    const bool savings = window == u"Sparplan";
    if (savings)
        m_program->rechnado.cmdSparplan_Click();
    else if (fields.size() == 2)
        m_program->rechnado.lblVonZu_Click();
    Form &form = savings ? static_cast<Form &>(m_program->sparplan) : m_program->rechnado;
    TomatoWalk &walk = savings ? m_program->sparplan.tomato() : m_program->rechnado.tomato();
    for (int i = 0; i < fields.size(); ++i)
        control<AmountField>(form, fields[i].toLatin1().constData())->setText(texts[i]);
    QPushButton *berechnen = control<QPushButton>(form, "cmdBerechnen");

    QBENCHMARK
    {
        if (walk.berechnungen >= 120) // the program would end at 125
            walk.berechnungen = 0;
        berechnen->click();
    }
    for (const Box &box : std::as_const(m_platform->boxes)) // only the jokes, no error box
        QVERIFY2(box.title.startsWith(u"Berechnungen"), qPrintable(box.text));
    QCOMPARE(m_platform->ends, 0);
}

QTEST_MAIN(BenchPress)
#include "bench_press.moc"
