#include "app/layout.h"

#include "app/accessibility.h"
#include "app/controls.h"
#include "app/form.h"
#include "assets/assets.h"
#include "fields/amountfield.h"
#include "fields/styles.h"

#include <QFont>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace rechnado {

QTimer *BuiltWindow::timer(const char *name) const
{
    QTimer *t = timers.value(QString::fromLatin1(name));
    Q_ASSERT_X(t, "BuiltWindow::timer", name);
    return t;
}

namespace {

// The faces the layouts name, mapped to free fonts of the same metrics where the system lacks them.
// Windows has them all (see faceName).
void installFontSubstitutions()
{
#ifndef Q_OS_WIN
    static const bool installed = [] {
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        return true;
    }();
    Q_UNUSED(installed);
#endif
}

QString text(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

// On Windows "MS Sans Serif" is a bitmap font, which Qt draws unsmoothed at some sizes and swaps for
// Arial at others; every Windows since 2000 has its TrueType successor, "Microsoft Sans Serif".
QString faceName(const char *face)
{
    QString name = QString::fromLatin1(face);
#ifdef Q_OS_WIN
    if (name == u"MS Sans Serif")
        return QStringLiteral("Microsoft Sans Serif");
#endif
    return name;
}

QFont fontFor(const FontSpec &wanted, const QFont &inherited)
{
    if (!wanted.face)
        return inherited;
    QFont font(faceName(wanted.face));
    font.setPointSizeF(wanted.points);
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    return font;
}

Qt::Alignment alignmentFor(Align align)
{
    switch (align) {
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// A control's own colours; every role not set here follows the desktop's theme.
void setColours(QWidget *widget, QPalette::ColorRole back, QPalette::ColorRole fore, const styles::Look &look)
{
    QPalette p;
    if (look.back)
        p.setColor(back, *look.back);
    if (look.fore)
        p.setColor(fore, *look.fore);
    widget->setPalette(p);
}

QWidget *makeControl(const ControlSpec &row, QWidget *parent)
{
    switch (row.kind) {
    case Kind::Frame: {
        auto *frame = new Frame(parent);
        frame->setAccessibleName(text(row.caption));
        return frame;
    }
    case Kind::Label: {
        auto *label = new Label(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(text(row.caption));
        // A label's text starts at its top edge, whatever its horizontal alignment.
        label->setAlignment((alignmentFor(row.align) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        // A caption wider than its label breaks at word boundaries inside the label's rectangle.
        label->setWordWrap(true);
        if (row.border) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
        }
        const styles::Look look = styles::look(row.back, row.fore);
        setColours(label, QPalette::Window, QPalette::WindowText, look);
        label->setAutoFillBackground(look.back.has_value());
        return label;
    }
    case Kind::TextField: {
        auto *field = new AmountField(parent);
        field->setKeyFilter(row.filter);
        field->setTypedMaxLength(row.maxLength);
        field->setHolds(row.rate ? Holds::Rate : Holds::Amount);
        field->setSelectsAllOnFocus(row.selectAllOnFocus);
        field->setAlignment(alignmentFor(row.align));
        field->setBorder(row.border);
        const styles::Look look = styles::look(row.back, row.fore);
        field->setBackColour(look.back);
        field->setForeColour(look.fore);
        field->setLocked(row.locked);
        field->setText(text(row.caption));
        return field;
    }
    case Kind::Button: {
        auto *button = new QPushButton(text(row.caption), parent);
        button->setAutoDefault(false);
        button->setDefault(row.isDefault);
        return button;
    }
    case Kind::Picture: {
        auto *picture = new Picture(parent);
        picture->setPixmap(assets::pixmap(row.picture, picture->devicePixelRatioF()));
        picture->setScaledContents(row.stretch);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case Kind::Shape: {
        auto *shape = new Shape(parent);
        shape->setFillColour(styles::colour(row.back));
        return shape;
    }
    case Kind::Line: {
        auto *line = new Line(parent);
        line->setColour(styles::colour(row.fore));
        return line;
    }
    case Kind::Timer:
        break;
    }
    return nullptr;
}

void place(const ControlSpec &row, QWidget *control)
{
    if (row.kind == Kind::Line) {
        static_cast<Line *>(control)->setPoints(QPoint(toPixels(row.left), toPixels(row.top)),
                                                QPoint(toPixels(row.width), toPixels(row.height)));
    } else if (row.kind == Kind::Picture) {
        static_cast<Picture *>(control)->setGeometryTwips(row.left, row.top, row.width, row.height);
    } else {
        control->setGeometry(toPixels(row.left), toPixels(row.top), toPixels(row.width),
                             toPixels(row.height));
    }
}

Qt::FocusPolicy focusPolicyFor(const ControlSpec &row)
{
    switch (row.kind) {
    case Kind::TextField:
        return row.tabIndex >= 0 && row.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
    case Kind::Button:
        return row.tabIndex >= 0 && row.tabStop ? Qt::StrongFocus : Qt::NoFocus;
    default:
        return Qt::NoFocus;
    }
}

} // namespace

namespace {

FormWindow *makeWindow(const LayoutSpec &layout)
{
    auto *window = new FormWindow;
    window->setWindowTitle(text(layout.caption));
    window->setFont(fontFor(layout.font, window->font()));
    window->setFixedSize(toPixels(layout.clientWidth), toPixels(layout.clientHeight));
    if (layout.dialogBorder)
        window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint);
    else
        window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint);
    if (layout.icon)
        window->setWindowIcon(assets::icon(layout.icon));
    return window;
}

void addControl(BuiltWindow &built, const ControlSpec &row)
{
    const QString name = QString::fromLatin1(row.name);
    QWidget *parent = row.in ? built.controls.value(QString::fromLatin1(row.in)) : built.window;
    Q_ASSERT_X(parent, "buildWindow: unknown container", row.in);
    if (row.kind == Kind::Timer) {
        auto *timer = new QTimer(built.window);
        timer->setObjectName(name);
        timer->setInterval(row.interval);
        if (row.enabled)
            timer->start();
        built.timers.insert(name, timer);
        return;
    }
    QWidget *control = makeControl(row, parent);
    control->setObjectName(name);
    place(row, control);
    if (row.font.face)
        control->setFont(fontFor(row.font, control->font()));
    if (auto *label = qobject_cast<Label *>(control))
        label->fitCaption();
    if (row.toolTip) {
        control->setToolTip(text(row.toolTip));
        control->setAccessibleDescription(text(row.toolTip));
    }
    if (row.accessibleName)
        control->setAccessibleName(text(row.accessibleName));
    if (row.shortcut)
        static_cast<Label *>(control)->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
    control->setFocusPolicy(focusPolicyFor(row));
    control->setEnabled(row.enabled);
    control->setVisible(row.visible);
    if (row.isDefault)
        built.window->setDefaultButton(static_cast<QPushButton *>(control));
    if (row.isCancel)
        built.window->setCancelButton(static_cast<QPushButton *>(control));
    built.controls.insert(name, control);
}

// Labels name the fields they stand above, for the keyboard and for screen readers.
void nameFields(const BuiltWindow &built, std::span<const ControlSpec> controls)
{
    for (const ControlSpec &row : controls) {
        if (!row.labelFor)
            continue;
        auto *label = built.get<Label>(row.name);
        QWidget *field = built.controls.value(QString::fromLatin1(row.labelFor));
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
}

void stack(const BuiltWindow &built, std::span<const ControlSpec> controls)
{
    // An earlier row lies over a later one: raising from the last row up leaves the first on top.
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if (QWidget *control = built.controls.value(QString::fromLatin1(it->name)))
            control->raise();
    // A filled shape is a background: it lies behind the controls on it, as the frame does.
    for (const ControlSpec &row : controls) {
        if (row.onTop)
            built.controls.value(QString::fromLatin1(row.name))->raise();
        if (row.kind == Kind::Shape || row.kind == Kind::Frame)
            built.controls.value(QString::fromLatin1(row.name))->lower();
    }
}

void chainTabOrder(const BuiltWindow &built, std::span<const ControlSpec> controls)
{
    std::vector<QWidget *> tabbed;
    std::vector<const ControlSpec *> ordered;
    for (const ControlSpec &row : controls)
        if (row.tabIndex >= 0 && focusPolicyFor(row) == Qt::StrongFocus)
            ordered.push_back(&row);
    std::sort(ordered.begin(), ordered.end(),
              [](const ControlSpec *a, const ControlSpec *b) { return a->tabIndex < b->tabIndex; });
    tabbed.reserve(ordered.size());
    for (const ControlSpec *row : ordered)
        tabbed.push_back(built.controls.value(QString::fromLatin1(row->name)));
    for (std::size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(tabbed[i - 1], tabbed[i]);
    // The window opens with the focus on the first control of the Tab order.
    if (!tabbed.empty())
        tabbed.front()->setFocus(Qt::OtherFocusReason);
}

} // namespace

BuiltWindow buildWindow(const LayoutSpec &layout)
{
    installFontSubstitutions();
    installAccessibility();

    BuiltWindow built;
    built.window = makeWindow(layout);
    // Frames first, so that the controls they hold have their parent.
    for (const ControlSpec &row : layout.controls)
        if (row.kind == Kind::Frame)
            addControl(built, row);
    for (const ControlSpec &row : layout.controls)
        if (row.kind != Kind::Frame)
            addControl(built, row);
    nameFields(built, layout.controls);
    stack(built, layout.controls);
    chainTabOrder(built, layout.controls);
    return built;
}

} // namespace rechnado
