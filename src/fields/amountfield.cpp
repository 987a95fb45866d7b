#include "fields/amountfield.h"

#include "fields/numbertext.h"
#include "fields/styles.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <cmath>

namespace rechnado {

// Every change the user makes (a typed key, a paste, a drop, an undo) passes here as the whole new
// text: a change that brings in a refused character or grows the text past the typed length is
// refused whole. A paste may be as long as the number it brings. Text the program sets with setText()
// is not validated.
class AmountField::Validator final : public QValidator {
public:
    explicit Validator(AmountField *field)
        : QValidator(field)
        , m_field(field)
    {}

    State validate(QString &input, int & /*pos*/) const override
    {
        if (!filterAcceptsAll(m_field->keyFilter(), input))
            return Invalid;
        // Past the limit a text may only shrink, so that a long pasted number can be corrected.
        const qsizetype max = m_field->typedMaxLength();
        if (max > 0 && input.size() > std::max({max, m_field->m_pasteLength, m_field->m_acceptedLength}))
            return Invalid;
        return Acceptable;
    }

private:
    AmountField *m_field;
};

AmountField::AmountField(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new Validator(this));
    setAlignment(Qt::AlignCenter);
    m_points = font().pointSizeF();
    connect(this, &QLineEdit::textChanged, this, [this](const QString &now) {
        m_acceptedLength = now.size();
        fitText();
    });
}

void AmountField::setBackColour(std::optional<QColor> colour)
{
    m_back = colour;
    applyColours();
}

QColor AmountField::backColour() const
{
    return palette().color(QPalette::Active, QPalette::Base);
}

void AmountField::setForeColour(std::optional<QColor> colour)
{
    m_fore = colour;
    applyColours();
}

void AmountField::applyColours()
{
    // Only the roles set here are the field's own; the rest follow the desktop, also when its theme
    // changes while the program runs.
    QPalette p;
    if (m_back)
        p.setColor(QPalette::Base, *m_back);
    if (const std::optional<QColor> text = styles::textOn(m_back, m_fore)) {
        p.setColor(QPalette::Active, QPalette::Text, *text);
        p.setColor(QPalette::Inactive, QPalette::Text, *text);
    }
    setPalette(p);
}

QColor AmountField::foreColour() const
{
    return palette().color(QPalette::Active, QPalette::Text);
}

void AmountField::setFontSize(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void AmountField::setBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void AmountField::applyInputStyle(bool resetTextColour)
{
    setText(QString());
    setEnabled(true);
    setBackColour(std::nullopt);
    if (resetTextColour)
        setForeColour(std::nullopt);
    setBorder(true);
    setFontSize(styles::kInputPoints);
    setBold(false);
    setLocked(false);
}

void AmountField::applyResultStyle()
{
    setBackColour(styles::lightYellow());
    setBorder(false);
    setFontSize(styles::kResultPoints);
    setBold(true);
    setLocked(true);
}

QRect AmountField::characterRect(int offset) const
{
    const QString shown = text();
    if (offset < 0 || offset >= shown.size())
        return {};
    // The caret as the line edit draws it, scrolled and aligned; the character lies as far from it
    // as the text between them is wide.
    const QFontMetrics metrics(font());
    const QRect caret = cursorRect();
    const int x = caret.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(cursorPosition()));
    return {mapToGlobal(QPoint(x, caret.top())),
            QSize(metrics.horizontalAdvance(shown.at(offset)), metrics.height())};
}

void AmountField::GotFocus()
{
    // A locked field keeps the caret at the start, so that a text wider than the field shows its
    // first digits; an editable one has it at the end, ready for typing.
    const int length = static_cast<int>(text().size());
    if (isReadOnly())
        setSelection(length, -length);
    else
        setSelection(0, length);
}

int AmountField::textRoom() const
{
    // As the line edit lays its text out: the contents less its text margins and two pixels a side,
    // and a pixel for the caret.
    QStyleOptionFrame option;
    initStyleOption(&option);
    constexpr int kTextMargin = 2;
    return style()
               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
               .marginsRemoved(textMargins())
               .width() -
           2 * kTextMargin - 1;
}

void AmountField::fitText()
{
    QFont f = font();
    f.setPointSizeF(m_points);
    if (isReadOnly()) {
        // The look sets its properties one by one, each a change of its own: what was fitted once
        // is not measured again.
        const FitAsked asked{text(), f, textRoom()};
        if (asked != m_fitAsked) {
            const auto width = [&](const QFont &font) {
                return std::ceil(QFontMetricsF(font).horizontalAdvance(asked.text));
            };
            // Text widths grow with the font size: start a little above the size in proportion, then
            // step down to the first that fits.
            constexpr double kStep = 0.25;
            if (const double wide = width(f); wide > asked.room) {
                const double estimate = std::floor(m_points * asked.room / wide / kStep) * kStep + kStep;
                f.setPointSizeF(std::clamp(estimate, kSmallestPoints, m_points));
                while (f.pointSizeF() > kSmallestPoints && width(f) > asked.room)
                    f.setPointSizeF(std::max(kSmallestPoints, f.pointSizeF() - kStep));
            }
            m_fitAsked = asked;
            m_fitPoints = f.pointSizeF();
        }
        f.setPointSizeF(m_fitPoints);
    }
    if (f != font()) {
        const QScopedValueRollback fitting(m_fitting, true);
        setFont(f);
    }
    // The line edit centres a text with room to spare for its font's widest overhangs and otherwise
    // scrolls to the caret: with the caret at the start, a text that fits shows whole, and one too
    // wide even so shows its first digits, never its last.
    if (isReadOnly() && !hasSelectedText() && cursorPosition() != 0)
        setCursorPosition(0);
}

void AmountField::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    // A font set from outside (the look, the layout, the window's) is the one asked for.
    if (event->type() == QEvent::FontChange && !m_fitting)
        m_points = font().pointSizeF();
    if (!m_fitting && (event->type() == QEvent::FontChange || event->type() == QEvent::ReadOnlyChange ||
                       event->type() == QEvent::StyleChange))
        fitText();
}

void AmountField::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    fitText();
}

void AmountField::pasteNumber(QClipboard::Mode mode)
{
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    if (pasted.isEmpty() && !hasSelectedText())
        return;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    replaceRange(start, hasSelectedText() ? selectionEnd() : start, pasted, Arrives::Pasted);
}

void AmountField::separateUndoStep()
{
    // The line edit ends an undo step when the caret moves, and clear() ends one in an empty field.
    if (text().isEmpty()) {
        clear();
        return;
    }
    const int at = cursorPosition();
    setCursorPosition(at == 0 ? 1 : 0);
    setCursorPosition(at);
}

bool AmountField::replaceRange(int start, int end, const QString &text, Arrives how)
{
    const QString before = this->text();
    if (isReadOnly() || start < 0 || end < start || end > before.size())
        return false;
    QString insertion = text;
    if (how == Arrives::Pasted && m_filter != KeyFilter::None && !text.isEmpty()) {
        const std::optional<QString> number = reducePastedNumber(text, m_holds);
        if (!number)
            return false;
        insertion = *number;
    }
    const int selectedFrom = hasSelectedText() ? selectionStart() : -1;
    const int selectedTo = hasSelectedText() ? selectionEnd() : -1;
    const int cursor = cursorPosition();
    // One undo step of its own, as the line edit makes of its own paste.
    separateUndoStep();
    setSelection(start, end - start);
    m_pasteLength = how == Arrives::Pasted ? insertion.size() : 0;
    insert(insertion);
    m_pasteLength = 0;
    if (this->text() != before) {
        separateUndoStep();
        return true;
    }
    if (selectedFrom >= 0)
        setSelection(cursor == selectedFrom ? selectedTo : selectedFrom,
                     cursor == selectedFrom ? selectedFrom - selectedTo : selectedTo - selectedFrom);
    else
        setCursorPosition(cursor);
    return false;
}

void AmountField::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Paste) {
        // Ctrl+Shift+Insert is a paste only with X11's keys, and there it pastes the selection.
        const bool selection =
            event->key() == Qt::Key_Insert && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
        if (!isReadOnly())
            pasteNumber(selection ? QClipboard::Selection : QClipboard::Clipboard);
        event->accept();
        return;
    }
    const bool decimal = m_filter == KeyFilter::Decimal || m_filter == KeyFilter::SignedDecimal;
    if (decimal && (event->modifiers() & Qt::KeypadModifier) &&
        (event->text() == u"." || event->text() == u",")) {
        const QString separator = QLocale().decimalPoint();
        if (event->text() != separator) {
            QKeyEvent typed(event->type(), event->key(), event->modifiers(), separator,
                            event->isAutoRepeat());
            QLineEdit::keyPressEvent(&typed);
            event->setAccepted(typed.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void AmountField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Coming back from the field's own context menu is no new focus.
    if (!m_selectAllOnFocus || event->reason() == Qt::PopupFocusReason)
        return;
    GotFocus();
    m_focusedByMouse = event->reason() == Qt::MouseFocusReason;
}

void AmountField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A number wider than the field shows its start once the field is left, never only its end.
    if (event->reason() != Qt::PopupFocusReason && !hasSelectedText() &&
        std::ceil(QFontMetricsF(font()).horizontalAdvance(text())) > textRoom())
        setCursorPosition(0);
}

void AmountField::mousePressEvent(QMouseEvent *event)
{
    m_click.pressed(event);
    if (m_focusedByMouse && event->button() == Qt::LeftButton) {
        // The click that brought the focus keeps the whole text selected instead of placing the caret.
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void AmountField::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasFocusClick = std::exchange(m_focusedByMouse, false);
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            pasteNumber(QClipboard::Selection);
        }
    } else if (!wasFocusClick) {
        QLineEdit::mouseReleaseEvent(event);
    }
    if (m_click.released(this, event))
        Q_EMIT clicked();
}

void AmountField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    // The menu's paste entry, named as the line edit names it (shortcut after a tab), pastes reduced,
    // and only so: the line edit connects it in the string form, which only that form undoes.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) != pasteText)
            continue;
        disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
        connect(action, &QAction::triggered, this, [this] { pasteNumber(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void AmountField::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString dropped = event->mimeData()->text();
    const std::optional<QString> number =
        m_filter == KeyFilter::None ? dropped : reducePastedNumber(dropped, m_holds);
    if (!number) {
        event->ignore();
        return;
    }
    QMimeData reduced;
    reduced.setText(*number);
    QDropEvent drop(event->position(), event->possibleActions(), &reduced, event->buttons(),
                    event->modifiers());
    drop.setDropAction(event->dropAction());
    // Text dropped from elsewhere is one undo step of its own, as a paste is; a move inside the
    // field is the line edit's own.
    const bool fromElsewhere = event->source() != this;
    const QString before = text();
    if (fromElsewhere)
        separateUndoStep();
    m_pasteLength = number->size();
    QLineEdit::dropEvent(&drop);
    m_pasteLength = 0;
    if (fromElsewhere && text() != before)
        separateUndoStep();
    event->setDropAction(drop.dropAction());
    event->setAccepted(drop.isAccepted());
}

} // namespace rechnado
