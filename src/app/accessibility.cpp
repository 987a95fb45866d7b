#include "app/accessibility.h"

#include "app/controls.h"
#include "app/form.h"
#include "fields/amountfield.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeySequence>
#include <QPushButton>
#include <type_traits>

namespace rechnado {

namespace {

// Whether a control may act on a screen reader's or voice control's request. The mouse and the keys
// reach only a control that is shown and enabled, in a window that no modal box blocks; actions
// and edits by a screen reader must reach no other either (a hidden window's controls are still
// in its tree, and a box does not stop them).
bool mayAct(const QWidget *control)
{
    const QWidget *modal = QApplication::activeModalWidget();
    const bool blocked = modal && modal != control->window() && !modal->isAncestorOf(control);
    return control->isVisible() && control->isEnabled() && !blocked;
}

// A label or picture of the program's. One that reacts to clicks (the mode label, the clock, the
// author's photo) offers the click as its action, so that a screen reader can press it, and names
// the key that clicks it.
template <typename Control> class ClickableAccessible final : public QAccessibleWidget {
public:
    ClickableAccessible(Control *control, QAccessible::Role role)
        : QAccessibleWidget(control, role)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if constexpr (std::is_same_v<Control, Label>) {
            if (kind == QAccessible::Name && control()->accessibleName().isEmpty())
                return control()->text();
            if (kind == QAccessible::Description && !control()->shortcut().isEmpty())
                return QAccessibleWidget::text(kind) + QStringLiteral(" Tastenkürzel: ") +
                       control()->shortcut().toString(QKeySequence::NativeText);
        }
        return QAccessibleWidget::text(kind);
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && control()->buddy())
            related.append(
                {QAccessible::queryAccessibleInterface(control()->buddy()), QAccessible::Labelled});
        return related;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (control()->isClickable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (!mayAct(control()))
            return;
        if (action == pressAction() && control()->isClickable())
            control()->click();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if constexpr (std::is_same_v<Control, Label>) {
            if (action == pressAction() && !control()->shortcut().isEmpty())
                return {control()->shortcut().toString(QKeySequence::NativeText)};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    Control *control() const { return static_cast<Control *>(widget()); }
};

// A push button of a window of the program's, told as Qt tells one, but pressed only while no box
// blocks its window.
class ButtonAccessible final : public QAccessibleWidget {
public:
    explicit ButtonAccessible(QPushButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && button()->accessibleName().isEmpty())
            return QString(button()->text()).remove(u'&');
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        state.defaultButton = button()->isDefault();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (!mayAct(button()))
            return;
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QPushButton *button() const { return static_cast<QPushButton *>(widget()); }
};

// An amount field, told as Qt tells a line edit, but for one thing: Qt 6.4 reports the attribute
// run at every offset as empty (it starts and ends at the offset). A screen reader that splits
// the text by its attribute runs, as Orca does to find the text's language, then ends one
// character early and says "10 selected" for a field holding 100. A field's text has no
// attributes, so its one run is the whole text.
class AmountFieldAccessible final : public QAccessibleWidget,
                                    public QAccessibleTextInterface,
                                    public QAccessibleEditableTextInterface {
public:
    explicit AmountFieldAccessible(AmountField *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return field()->text();
        return QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind != QAccessible::Value) {
            QAccessibleWidget::setText(kind, text);
            return;
        }
        replaceText(0, characterCount(), text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = field()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text.
    QString text(int startOffset, int endOffset) const override
    {
        return startOffset > endOffset ? QString()
                                       : field()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    QString attributes(int /*offset*/, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                             int *endOffset) const override
    {
        return QAccessibleTextInterface::textBeforeOffset(at(offset), boundary, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                            int *endOffset) const override
    {
        return QAccessibleTextInterface::textAfterOffset(at(offset), boundary, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override
    {
        return QAccessibleTextInterface::textAtOffset(at(offset), boundary, startOffset, endOffset);
    }

    // Caret and selection.
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override
    {
        if (inText(position))
            field()->setCursorPosition(position);
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index != 0 || !field()->hasSelectedText())
            return;
        *startOffset = field()->selectionStart();
        *endOffset = field()->selectionEnd();
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int index) override
    {
        if (index == 0)
            field()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0 && inText(startOffset) && inText(endOffset) && startOffset <= endOffset)
            field()->setSelection(startOffset, endOffset - startOffset);
    }

    // Geometry.
    QRect characterRect(int offset) const override { return field()->characterRect(offset); }
    int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        field()->setCursorPosition(endIndex);
        field()->setCursorPosition(startIndex);
    }

    // Editing by a screen reader's hand: a single character goes in as a typed one, through the
    // field's filter and length rule; more is a paste (a screen reader's paste inserts the
    // clipboard's text), reduced to the number it stands for or refused whole. Offsets outside
    // the text change nothing.
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (mayAct(field()))
            field()->replaceRange(startOffset, endOffset, text,
                                  text.size() > 1 ? AmountField::Arrives::Pasted
                                                  : AmountField::Arrives::Typed);
    }
    void doAction(const QString &action) override
    {
        if (mayAct(field()))
            QAccessibleWidget::doAction(action);
    }

private:
    AmountField *field() const { return static_cast<AmountField *>(widget()); }
    // -2 stands for the caret.
    int at(int offset) const { return offset == -2 ? cursorPosition() : offset; }
    bool inText(int offset) const { return offset >= 0 && offset <= characterCount(); }
};

template <typename T> bool is(const QString &className)
{
    return className == QLatin1StringView(T::staticMetaObject.className());
}

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (is<FormWindow>(className))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (is<Frame>(className))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    if (is<Label>(className))
        return new ClickableAccessible<Label>(static_cast<Label *>(object), QAccessible::StaticText);
    if (is<Picture>(className))
        return new ClickableAccessible<Picture>(static_cast<Picture *>(object), QAccessible::Graphic);
    if (is<QPushButton>(className) && qobject_cast<FormWindow *>(static_cast<QWidget *>(object)->window()))
        return new ButtonAccessible(static_cast<QPushButton *>(object));
    if (is<AmountField>(className))
        return new AmountFieldAccessible(static_cast<AmountField *>(object));
    if (is<Announcer>(className))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString &message)
{
    setAccessibleName(message);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), message);
    QAccessible::updateAccessibility(&event);
#else
    // Qt 6.4 has no announcement. A screen reader tells a notification the moment it appears,
    // whatever has the focus (Orca speaks an object of the notification role when it becomes
    // showing: its role and its name). So the message is this notification's name, and the
    // notification appears anew; having no size, it shows nothing on the screen. Its window hides
    // it when the window is hidden, or it would appear, and be spoken, again with the window.
    hide();
    show();
#ifdef Q_OS_WIN
    // Qt 6.4's UI Automation bridge raises nothing for a notification that appears, but it turns a
    // value change to a text into a UI Automation notification, which NVDA and Narrator speak. (The
    // AT-SPI bridge has no use for it: it only warns of a value change without a value.)
    QAccessibleValueChangeEvent event(this, message);
    QAccessible::updateAccessibility(&event);
#endif
#endif
}

} // namespace rechnado
