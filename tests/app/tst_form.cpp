// The window framework: lifetimes of a window instance, the layout builder and the registry.
#include "app/controls.h"
#include "app/form.h"
#include "app/layout.h"
#include "app/windows.h"
#include "fields/amountfield.h"
#include "support/testsupport.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace rechnado;
using namespace rechnado::test;

namespace {

// clang-format off
constexpr ControlSpec kControls[] = {
    {.name = "lblOver", .kind = Kind::Label, .in = "fra", .left = 0, .top = 0, .width = 300, .height = 300,
     .caption = "over", .labelFor = "txtB"},
    {.name = "lblUnder", .kind = Kind::Label, .in = "fra", .left = 150, .top = 150, .width = 300, .height = 300,
     .caption = "under"},
    {.name = "imgTop", .kind = Kind::Picture, .in = "fra", .left = 10, .top = 10, .width = 150, .height = 150,
     .picture = "tomato", .stretch = true, .onTop = true},
    {.name = "shpBack", .kind = Kind::Shape, .in = "fra", .left = 0, .top = 0, .width = 600, .height = 600,
     .back = 0x00C0E0FFU},
    {.name = "txtA", .kind = Kind::TextField, .left = 22, .top = 37, .width = 1500, .height = 300, .border = true,
     .tabIndex = 2},
    {.name = "txtB", .kind = Kind::TextField, .in = "fra", .left = 100, .top = 700, .width = 1500, .height = 300,
     .border = true, .tabIndex = 0},
    {.name = "txtShown", .kind = Kind::TextField, .left = 100, .top = 1100, .width = 1500, .height = 300,
     .tabIndex = 1, .tabStop = false},
    {.name = "cmdGo", .kind = Kind::Button, .in = "fra", .left = 100, .top = 1500, .width = 900, .height = 300,
     .caption = "Go", .tabIndex = 3, .isDefault = true},
    {.name = "cmdOther", .kind = Kind::Button, .left = 1100, .top = 1500, .width = 900, .height = 300,
     .caption = "Other", .tabIndex = 4, .isCancel = true},
    {.name = "lblWraps", .kind = Kind::Label, .left = 2500, .top = 100, .width = 450, .height = 900,
     .caption = "eins zwei drei", .font = {"Arial", 8.25}},
    {.name = "lblOneWord", .kind = Kind::Label, .left = 2500, .top = 1100, .width = 300, .height = 900,
     .caption = "Donaudampfschifffahrt", .font = {"Arial", 8.25}},
    {.name = "fra", .kind = Kind::Frame, .left = 60, .top = 30, .width = 2400, .height = 2000},
    {.name = "tmrTick", .kind = Kind::Timer, .interval = 500},
    {.name = "tmrIdle", .kind = Kind::Timer, .enabled = false, .interval = 30},
};
// clang-format on

constexpr LayoutSpec kLayout{
    .caption = "Probe", .clientWidth = 3000, .clientHeight = 2250, .controls = kControls};

class ProbeForm final : public Form {
public:
    explicit ProbeForm(const QString &name = QStringLiteral("Probe"))
        : Form(name)
    {}
    int loads = 0;
    int unloads = 0;
    int goClicks = 0;
    int otherClicks = 0;
    double member = 0;

protected:
    const LayoutSpec &layout() const override { return kLayout; }
    void bind(const BuiltWindow &built) override
    {
        connect(built.get<QPushButton>("cmdGo"), &QPushButton::clicked, this, [this] { ++goClicks; });
        connect(built.get<QPushButton>("cmdOther"), &QPushButton::clicked, this, [this] { ++otherClicks; });
    }
    void unbind() override {}
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
};

template <typename T> T *child(const Form &form, const char *name)
{
    return form.window()->findChild<T *>(QString::fromLatin1(name));
}

} // namespace

class TestForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(installGermanToolkitTexts()); }
    void init() { m_platform = std::make_unique<RecordingPlatform>(); }
    void cleanup() { m_platform.reset(); }

    void show_loads_once_and_runs_form_load();
    void unload_destroys_the_controls_and_keeps_the_members();
    void hiding_keeps_everything_and_setting_visible_loads_when_needed();
    void builder_maps_fifteen_twips_to_a_pixel();
    void earlier_rows_lie_over_later_ones();
    void tab_order_follows_the_tab_index();
    void enter_presses_the_default_or_the_focused_button_and_esc_the_cancel_button();
    void timers_start_as_laid_out();
    void labels_name_their_fields();
    void screen_readers_see_a_window_its_groups_and_hear_announcements();
    void a_wide_caption_wraps_in_its_font_and_only_a_long_word_shrinks();
    void close_box_of_the_last_window_ends_the_program();
    void registry_finds_windows_by_name_and_forgets_them();
    void desktop_message_box_shows_the_asked_icon_and_buttons_data();
    void desktop_message_box_shows_the_asked_icon_and_buttons();

private:
    std::unique_ptr<RecordingPlatform> m_platform;
};

void TestForm::show_loads_once_and_runs_form_load()
{
    ProbeForm form;
    QVERIFY(!form.isLoaded());
    form.show();
    QVERIFY(form.isLoaded() && form.isVisible());
    form.show();
    QCOMPARE(form.loads, 1);
    QCOMPARE(form.window()->windowTitle(), QStringLiteral("Probe"));
}

void TestForm::unload_destroys_the_controls_and_keeps_the_members()
{
    ProbeForm form;
    form.show();
    form.member = 42;
    QPointer<QWidget> window = form.window();
    child<AmountField>(form, "txtA")->setText(QStringLiteral("typed"));
    form.unload();
    QVERIFY(!form.isLoaded());
    QCOMPARE(form.unloads, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    form.show();
    QCOMPARE(form.loads, 2);
    QCOMPARE(child<AmountField>(form, "txtA")->text(), QString());
    QCOMPARE(form.member, 42.0);
}

void TestForm::hiding_keeps_everything_and_setting_visible_loads_when_needed()
{
    ProbeForm form;
    form.setVisible(true);
    QCOMPARE(form.loads, 1);
    child<AmountField>(form, "txtA")->setText(QStringLiteral("kept"));
    form.hide();
    QVERIFY(form.isLoaded() && !form.isVisible());
    form.setVisible(true);
    QCOMPARE(form.loads, 1);
    QCOMPARE(child<AmountField>(form, "txtA")->text(), QStringLiteral("kept"));
}

void TestForm::builder_maps_fifteen_twips_to_a_pixel()
{
    ProbeForm form;
    form.show();
    QCOMPARE(form.window()->size(), QSize(200, 150));
    QCOMPARE(form.window()->minimumSize(), form.window()->maximumSize());
    QCOMPARE(child<QWidget>(form, "txtA")->geometry(), QRect(1, 2, 100, 20)); // 22 and 37 twips round
    // In the frame, positions are relative to it.
    QCOMPARE(child<QWidget>(form, "txtB")->mapTo(form.window(), QPoint()), QPoint(4 + 7, 2 + 47));
    auto *picture = child<Picture>(form, "imgTop");
    picture->moveTwips(17, 10); // less than a pixel: the twips are kept exactly
    QCOMPARE(picture->left(), 17.0);
    QCOMPARE(picture->pos(), QPoint(1, 1));
    picture->setLeft(picture->left() + 1);
    QCOMPARE(picture->left(), 18.0);
}

void TestForm::earlier_rows_lie_over_later_ones()
{
    ProbeForm form;
    form.show();
    const QObjectList stack = child<QWidget>(form, "fra")->children();
    const auto at = [&](const char *name) { return stack.indexOf(child<QWidget>(form, name)); };
    QVERIFY(at("lblOver") > at("lblUnder"));
    QVERIFY(at("imgTop") > at("lblOver"));   // marked to lie on top
    QVERIFY(at("shpBack") < at("lblUnder")); // a shape is a background
    const QObjectList top = form.window()->children();
    QVERIFY(top.indexOf(child<QWidget>(form, "fra")) < top.indexOf(child<QWidget>(form, "txtA")));
}

void TestForm::tab_order_follows_the_tab_index()
{
    ProbeForm form;
    form.show();
    form.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtB"));
    QStringList names;
    for (int i = 0; i < 5; ++i) {
        names << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(names, (QStringList{"txtB", "txtA", "cmdGo", "cmdOther", "txtB"}));
    QCOMPARE(child<QWidget>(form, "txtShown")->focusPolicy(), Qt::ClickFocus);
}

void TestForm::enter_presses_the_default_or_the_focused_button_and_esc_the_cancel_button()
{
    ProbeForm form;
    form.show();
    auto *field = child<AmountField>(form, "txtA");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(form.goClicks, 1);
    auto *other = child<QPushButton>(form, "cmdOther");
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Enter);
    QCOMPARE(form.otherClicks, 1);
    QTest::keyClick(field, Qt::Key_Escape);
    QCOMPARE(form.otherClicks, 2);
    QCOMPARE(form.goClicks, 1);
}

void TestForm::timers_start_as_laid_out()
{
    ProbeForm form;
    form.show();
    auto *tick = child<QTimer>(form, "tmrTick");
    auto *idle = child<QTimer>(form, "tmrIdle");
    QVERIFY(tick->isActive());
    QCOMPARE(tick->interval(), 500);
    QVERIFY(!idle->isActive());
    form.unload();
    QVERIFY(!tick->isActive()); // silenced at once, before the window is deleted
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestForm::labels_name_their_fields()
{
    ProbeForm form;
    form.show();
    QCOMPARE(child<QLabel>(form, "lblOver")->buddy(), child<QWidget>(form, "txtB"));
    QCOMPARE(child<QWidget>(form, "txtB")->accessibleName(), QStringLiteral("over"));
}

void TestForm::screen_readers_see_a_window_its_groups_and_hear_announcements()
{
    ProbeForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
    const QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form.window());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Probe"));
    QCOMPARE(QAccessible::queryAccessibleInterface(child<QWidget>(form, "fra"))->role(),
             QAccessible::Grouping);
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    // What reaches the bridge of a desktop platform (offscreen has none): the announcer appearing,
    // and for UI Automation, which speaks a text value change, the message as a value.
    static QStringList told;
    told.clear();
    QPlatformAccessibility *bridge = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (bridge)
        bridge->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() == QAccessible::ObjectShow && qobject_cast<Announcer *>(event->object()))
            told << QStringLiteral("shown");
        if (event->type() == QAccessible::ValueChanged)
            told << static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
    });
    form.window()->announce(QStringLiteral("Betrag 2 119,00"));
    auto *announcer = form.window()->findChild<Announcer *>();
    QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->role(), QAccessible::Notification);
    QCOMPARE(announced(form), QStringLiteral("Betrag 2 119,00"));
    QVERIFY(announcer->size().isEmpty());
    QCOMPARE(QApplication::focusWidget(), focused);
    // Told once: not again when the window comes back.
    form.hide();
    form.show();
    QAccessible::installUpdateHandler(nullptr);
    if (!bridge)
        return;
    bridge->setActive(false);
#ifdef Q_OS_WIN
    QCOMPARE(told, QStringList({QStringLiteral("shown"), QStringLiteral("Betrag 2 119,00")}));
#else
    QCOMPARE(told, QStringList({QStringLiteral("shown")}));
#endif
}

void TestForm::a_wide_caption_wraps_in_its_font_and_only_a_long_word_shrinks()
{
    ProbeForm form;
    form.show();
    auto *wraps = child<QLabel>(form, "lblWraps");
    QVERIFY(wraps->wordWrap());
    QCOMPARE(wraps->font().pointSizeF(), 8.25);
    QVERIFY(QFontMetrics(wraps->font()).horizontalAdvance(wraps->text()) > wraps->width());
    QVERIFY(child<QLabel>(form, "lblOneWord")->font().pointSizeF() < 8.25);
}

void TestForm::close_box_of_the_last_window_ends_the_program()
{
    ProbeForm first(QStringLiteral("First"));
    ProbeForm second(QStringLiteral("Second"));
    windows::add(first);
    windows::add(second);
    first.show();
    second.show();
    first.window()->close();
    QVERIFY(!first.isLoaded());
    QCOMPARE(m_platform->ends, 0); // another window is still loaded
    second.hide();
    second.window()->close();
    QCOMPARE(m_platform->ends, 1);
    QCOMPARE(first.unloads, 1);
    QCOMPARE(second.unloads, 1);
}

void TestForm::registry_finds_windows_by_name_and_forgets_them()
{
    {
        ProbeForm form(QStringLiteral("Somewhere"));
        windows::add(form);
        QCOMPARE(windows::find(QStringLiteral("Somewhere")), &form);
        QVERIFY(!windows::anyLoaded());
        form.show();
        QVERIFY(windows::anyLoaded());
    }
    QCOMPARE(windows::find(QStringLiteral("Somewhere")), nullptr);
    QCOMPARE(windows::find(QStringLiteral("somewhere")), nullptr);
}

void TestForm::desktop_message_box_shows_the_asked_icon_and_buttons_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("qtIcon");
    QTest::newRow("joke at 15: no icon, OK and Hilfe")
        << int(MsgIcon::None) << int(MsgButtons::OkHelp) << int(QMessageBox::NoIcon);
    QTest::newRow("error: information, OK")
        << int(MsgIcon::Information) << int(MsgButtons::Ok) << int(QMessageBox::Information);
    QTest::newRow("question") << int(MsgIcon::Question) << int(MsgButtons::Ok) << int(QMessageBox::Question);
    QTest::newRow("exclamation") << int(MsgIcon::Exclamation) << int(MsgButtons::OkHelp)
                                 << int(QMessageBox::Warning);
    QTest::newRow("critical") << int(MsgIcon::Critical) << int(MsgButtons::OkHelp)
                              << int(QMessageBox::Critical);
}

void TestForm::desktop_message_box_shows_the_asked_icon_and_buttons()
{
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, qtIcon);

    // The real box, inspected and closed from inside its own event loop.
    QString seen;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = box->windowTitle() + u'|' + box->text() + u'|' + QString::number(box->icon());
        QAbstractButton *help = box->button(QMessageBox::Help);
        seen += help ? QStringLiteral("|%1 %2, default %3")
                           .arg(box->button(QMessageBox::Ok)->text(), help->text())
                           .arg(box->defaultButton() == help)
                     : QStringLiteral("|ok only");
        // Help names no help file: it closes the box like OK.
        (help ? help : box->button(QMessageBox::Ok))->click();
    });
    DesktopPlatform desktop;
    desktop.messageBox(QStringLiteral("Text\r\nzweite Zeile <b>roh</b>"), QStringLiteral("Titel !"),
                       static_cast<MsgIcon>(icon), static_cast<MsgButtons>(buttons));
    const bool withHelp = static_cast<MsgButtons>(buttons) == MsgButtons::OkHelp;
    QCOMPARE(seen, QStringLiteral("Titel !|Text\r\nzweite Zeile <b>roh</b>|%1|%2")
                       .arg(qtIcon)
                       .arg(withHelp ? QStringLiteral("OK Hilfe, default 1") : QStringLiteral("ok only")));
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
