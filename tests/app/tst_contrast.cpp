// Every text of the three windows against the colour painted behind it, under a light and a dark
// desktop palette: a contrast of at least 4.5:1 (WCAG 2.1), 3:1 for the large bold green and red
// signed results. Disabled controls are passed over, as WCAG does.
//
// Run with RECHNADO_DESKTOP_PALETTE=1 it checks the palette the desktop's theme gives instead (CI
// runs it so on Xvfb under a dark GTK theme).
#include "fields/amountfield.h"
#include "fields/styles.h"
#include "support/testsupport.h"

#include <QPushButton>
#include <QStyle>
#include <cmath>

using namespace rechnado;
using namespace rechnado::test;

namespace {

double luminance(const QColor &c)
{
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop as GNOME's and KDE's dark themes give it.
QPalette darkPalette()
{
    QPalette p(QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::Base, QColor(0x2D, 0x2D, 0x2D));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(role, QColor(0xEE, 0xEE, 0xEE));
        p.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    }
    return p;
}

// The colour covering most of the widget's rectangle in the window's picture, its frame left out.
// A button's face is a gradient: there only the strip beside its frame counts, and colours that
// differ in the last bits count as one (their mean is the background).
QColor background(const QImage &shot, const QWidget *window, const QWidget *widget)
{
    const int frame = qobject_cast<const QLabel *>(widget) ? 0 : 3;
    QRect logical =
        QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()).adjusted(frame, frame, -frame, -frame);
    if (qobject_cast<const QPushButton *>(widget))
        logical.setWidth(3);
    const qreal ratio = shot.devicePixelRatio();
    const QRect r = QRect(logical.topLeft() * ratio, logical.size() * ratio).intersected(shot.rect());
    struct Bucket {
        int count = 0;
        int red = 0, green = 0, blue = 0;
    };
    QHash<QRgb, Bucket> buckets;
    Bucket most;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb pixel = shot.pixel(x, y);
            Bucket &b = buckets[pixel & 0xF0F0F0U];
            ++b.count;
            b.red += qRed(pixel);
            b.green += qGreen(pixel);
            b.blue += qBlue(pixel);
            if (b.count > most.count)
                most = b;
        }
    }
    return most.count ? QColor(most.red / most.count, most.green / most.count, most.blue / most.count)
                      : QColor();
}

} // namespace

class TestContrast : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void every_text_is_legible_data();
    void every_text_is_legible();

private:
    std::unique_ptr<Fixture> m_fx;
    QPalette m_desktop;
    QString m_style;
};

void TestContrast::init()
{
    m_desktop = QApplication::palette();
    m_style = QApplication::style()->name();
}

void TestContrast::cleanup()
{
    m_fx.reset();
    QApplication::setPalette(m_desktop);
    QApplication::setStyle(m_style);
}

void TestContrast::every_text_is_legible_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("input"); // typed into the window's fields, then "Berechnen !"
    QTest::addColumn<bool>("von");
    const bool desktop = qEnvironmentVariableIsSet("RECHNADO_DESKTOP_PALETTE");
    using L = QStringList;
    const QStringList themes = desktop ? QStringList{"desktop"} : QStringList{"light", "dark"};
    for (const QString &theme : themes) {
        const auto row = [&theme](const char *state) -> QTestData & {
            return QTest::addRow("%s, %s", qPrintable(theme), state);
        };
        // clang-format off
        row("fresh") << theme << "Rechnado" << L{} << false;
        row("gross, increase") << theme << "Rechnado" << L{"100", "", "19"} << false;
        row("compound interest") << theme << "Rechnado" << L{"1000", "", "", "10", "5"} << false;
        row("decrease") << theme << "Rechnado" << L{"150", "100"} << false;
        row("von share") << theme << "Rechnado" << L{"50", "200"} << true;
        row("savings plan") << theme << "Sparplan" << L{"100", "12", "10", "5"} << false;
        row("About") << theme << "About" << L{} << false;
        // clang-format on
    }
}

void TestContrast::every_text_is_legible()
{
    QFETCH(QString, theme);
    QFETCH(QString, window);
    QFETCH(QStringList, input);
    QFETCH(bool, von);
    if (theme != u"desktop") {
        // A palette of the test's own needs a style that draws with it: Windows' native style draws
        // its own light buttons (Qt 6.4 gives Windows programs the light palette only).
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(theme == u"dark" ? darkPalette() : QApplication::style()->standardPalette());
    } else if (qEnvironmentVariable("GTK_THEME").endsWith(u":dark"))
        QVERIFY2(luminance(QApplication::palette().color(QPalette::Window)) < 0.1,
                 "the dark theme is not there");
    m_fx = std::make_unique<Fixture>();
    Program &program = m_fx->program;
    program.rechnado.show();
    Form *form = &program.rechnado;
    if (window == u"Sparplan") {
        control<QPushButton>(program.rechnado, "cmdSparplan")->click();
        form = &program.sparplan;
    } else if (window == u"About") {
        control<QPushButton>(program.rechnado, "cmdAbout")->click();
        form = &program.about;
    }
    if (von)
        click(control<QLabel>(program.rechnado, "lblVonZu"));
    QStringList order{"txtAnlagebetrag", "txtEndbetrag", "txtProzent", "txtLaufzeit", "txtZinssatz"};
    if (window == u"Sparplan")
        order = QStringList{"txtSparrate", "txtMalProJahr", "txtLaufzeit", "txtProzent"};
    for (qsizetype i = 0; i < input.size(); ++i)
        if (!input[i].isEmpty())
            control<AmountField>(*form, qPrintable(order[i]))->setText(input[i]);
    if (!input.isEmpty())
        control<QPushButton>(*form, "cmdBerechnen")->click();
    if (window == u"Rechnado" && !input.isEmpty())
        click(control<QLabel>(program.rechnado, "lblDateTime")); // the difference, where there is one

    QWidget *top = form->window();
    const QImage shot = top->grab().toImage();
    int checked = 0;
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        if (shownText(widget).trimmed().isEmpty() || !widget->isVisibleTo(top) || !widget->isEnabled())
            continue;
        const QColor back = background(shot, top, widget);
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            const auto role = qobject_cast<QLineEdit *>(widget) ? QPalette::Text : widget->foregroundRole();
            const QColor fore = widget->palette().color(group, role);
            const bool signedResult = fore == styles::green() || fore == styles::red();
            const double ratio = contrast(fore, back);
            QVERIFY2(ratio >= (signedResult ? 3.0 : 4.5),
                     qPrintable(QStringLiteral("%1 \"%2\": %3 on %4 is %5:1")
                                    .arg(widget->objectName(), shownText(widget), fore.name(), back.name())
                                    .arg(ratio, 0, 'f', 2)));
        }
        ++checked;
    }
    QVERIFY(checked >= 8);
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
