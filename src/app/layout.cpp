#include "app/layout.h"

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
void installFontSubstitutions()
{
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
}

QString text(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

QFont fontFor(const FontSpec &spec, const QFont &inherited)
{
    if (!spec.face)
        return inherited;
    QFont font(QString::fromLatin1(spec.face));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
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

void setColour(QWidget *widget, QPalette::ColorRole role, quint32 bgr)
{
    if (bgr == kNoColour)
        return;
    QPalette p = widget->palette();
    p.setColor(role, styles::colour(bgr));
    widget->setPalette(p);
}

QWidget *makeControl(const ControlSpec &spec, QWidget *parent)
{
    switch (spec.kind) {
    case Kind::Frame:
        return new Frame(parent);
    case Kind::Label: {
        auto *label = new Label(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(text(spec.caption));
        // A label's text starts at its top edge, whatever its horizontal alignment.
        label->setAlignment((alignmentFor(spec.align) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        label->setWordWrap(spec.wordWrap);
        if (spec.border) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
        }
        setColour(label, QPalette::Window, spec.back);
        label->setAutoFillBackground(spec.back != kNoColour);
        setColour(label, QPalette::WindowText, spec.fore);
        return label;
    }
    case Kind::TextField: {
        auto *field = new AmountField(parent);
        field->setKeyFilter(spec.filter);
        field->setTypedMaxLength(spec.maxLength);
        field->setSelectsAllOnFocus(spec.selectAllOnFocus);
        field->setAlignment(alignmentFor(spec.align));
        field->setBorder(spec.border);
        field->setBackColour(styles::colour(spec.back == kNoColour ? styles::kWindowBackground : spec.back));
        if (spec.fore != kNoColour)
            field->setForeColour(styles::colour(spec.fore));
        field->setLocked(spec.locked);
        field->setText(text(spec.caption));
        return field;
    }
    case Kind::Button: {
        auto *button = new QPushButton(text(spec.caption), parent);
        button->setAutoDefault(false);
        button->setDefault(spec.isDefault);
        return button;
    }
    case Kind::Picture: {
        auto *picture = new Picture(parent);
        picture->setPixmap(assets::pixmap(spec.picture));
        picture->setScaledContents(spec.stretch);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case Kind::Shape: {
        auto *shape = new Shape(parent);
        shape->setFillColour(styles::colour(spec.back));
        return shape;
    }
    case Kind::Line: {
        auto *line = new Line(parent);
        line->setColour(styles::colour(spec.fore));
        return line;
    }
    case Kind::Timer:
        break;
    }
    return nullptr;
}

void place(const ControlSpec &spec, QWidget *control)
{
    if (spec.kind == Kind::Line) {
        static_cast<Line *>(control)->setPoints(QPoint(toPixels(spec.left), toPixels(spec.top)),
                                                QPoint(toPixels(spec.width), toPixels(spec.height)));
    } else if (spec.kind == Kind::Picture) {
        static_cast<Picture *>(control)->setGeometryTwips(spec.left, spec.top, spec.width, spec.height);
    } else {
        control->setGeometry(toPixels(spec.left), toPixels(spec.top), toPixels(spec.width),
                             toPixels(spec.height));
    }
}

// A caption keeps the size its layout gives it unless the fonts at hand are wider than the ones the
// layout was drawn with: then it is set a little smaller, so that every caption shows whole.
void fitCaption(QLabel *label)
{
    QFont font = label->font();
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    constexpr double kSmallest = 5.0;
    constexpr double kStep = 0.25;
    while (font.pointSizeF() > kSmallest) {
        const QRect needed = QFontMetrics(font).boundingRect(room, flags, label->text());
        if (needed.width() <= room.width() && (!label->wordWrap() || needed.height() <= room.height()))
            break;
        font.setPointSizeF(font.pointSizeF() - kStep);
    }
    label->setFont(font);
}

Qt::FocusPolicy focusPolicyFor(const ControlSpec &spec)
{
    switch (spec.kind) {
    case Kind::TextField:
        return spec.tabIndex >= 0 && spec.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
    case Kind::Button:
        return spec.tabIndex >= 0 && spec.tabStop ? Qt::StrongFocus : Qt::NoFocus;
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
        window->setWindowIcon(QIcon(assets::pixmap(layout.icon)));
    return window;
}

void addControl(BuiltWindow &built, const ControlSpec &spec)
{
    const QString name = QString::fromLatin1(spec.name);
    QWidget *parent = spec.in ? built.controls.value(QString::fromLatin1(spec.in)) : built.window;
    Q_ASSERT_X(parent, "buildWindow: unknown container", spec.in);
    if (spec.kind == Kind::Timer) {
        auto *timer = new QTimer(built.window);
        timer->setObjectName(name);
        timer->setInterval(spec.interval);
        if (spec.enabled)
            timer->start();
        built.timers.insert(name, timer);
        return;
    }
    QWidget *control = makeControl(spec, parent);
    control->setObjectName(name);
    place(spec, control);
    if (spec.font.face)
        control->setFont(fontFor(spec.font, control->font()));
    if (auto *label = qobject_cast<QLabel *>(control))
        fitCaption(label);
    if (spec.toolTip) {
        control->setToolTip(text(spec.toolTip));
        control->setAccessibleDescription(text(spec.toolTip));
    }
    if (spec.accessibleName)
        control->setAccessibleName(text(spec.accessibleName));
    control->setFocusPolicy(focusPolicyFor(spec));
    control->setEnabled(spec.enabled);
    control->setVisible(spec.visible);
    if (spec.isDefault)
        built.window->setDefaultButton(static_cast<QPushButton *>(control));
    if (spec.isCancel)
        built.window->setCancelButton(static_cast<QPushButton *>(control));
    built.controls.insert(name, control);
}

// Labels name the fields they stand above, for the keyboard and for screen readers.
void nameFields(const BuiltWindow &built, std::span<const ControlSpec> controls)
{
    for (const ControlSpec &spec : controls) {
        if (!spec.labelFor)
            continue;
        auto *label = built.get<Label>(spec.name);
        QWidget *field = built.controls.value(QString::fromLatin1(spec.labelFor));
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
    for (const ControlSpec &spec : controls) {
        if (spec.onTop)
            built.controls.value(QString::fromLatin1(spec.name))->raise();
        if (spec.kind == Kind::Shape || spec.kind == Kind::Frame)
            built.controls.value(QString::fromLatin1(spec.name))->lower();
    }
}

void chainTabOrder(const BuiltWindow &built, std::span<const ControlSpec> controls)
{
    std::vector<QWidget *> tabbed;
    std::vector<const ControlSpec *> specs;
    for (const ControlSpec &spec : controls)
        if (spec.tabIndex >= 0 && focusPolicyFor(spec) == Qt::StrongFocus)
            specs.push_back(&spec);
    std::sort(specs.begin(), specs.end(),
              [](const ControlSpec *a, const ControlSpec *b) { return a->tabIndex < b->tabIndex; });
    for (const ControlSpec *spec : specs)
        tabbed.push_back(built.controls.value(QString::fromLatin1(spec->name)));
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

    BuiltWindow built;
    built.window = makeWindow(layout);
    // Frames first, so that the controls they hold have their parent.
    for (const ControlSpec &spec : layout.controls)
        if (spec.kind == Kind::Frame)
            addControl(built, spec);
    for (const ControlSpec &spec : layout.controls)
        if (spec.kind != Kind::Frame)
            addControl(built, spec);
    nameFields(built, layout.controls);
    stack(built, layout.controls);
    chainTabOrder(built, layout.controls);
    return built;
}

} // namespace rechnado
