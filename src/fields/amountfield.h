#pragma once

#include "fields/click.h"
#include "fields/keyfilter.h"
#include "fields/numbertext.h"

#include <QClipboard>
#include <QLineEdit>
#include <optional>

namespace rechnado {

// A single-line text field holding an amount, a percentage, a term or a rate as text.
//
// The keypad's decimal key types the decimal separator of the regional settings, whichever of
// "." and "," the keyboard layout puts on it, so that numbers can be typed on the keypad alone.
//
// It lets through only the characters its key filter allows, takes at most typedMaxLength()
// characters from typing (text the program writes is never cut), and selects its whole text whenever
// it gets the focus, by Tab or by mouse, locked or not. A paste or drop (keys, context menu, middle
// button, drag, a screen reader) goes in once, as one undo step, as the plain number people mean by
// it ("1.234,56 €" is 1234,56; see reducePastedNumber), however long that number is; what stands for
// no plain number, or what the filter refuses, is refused whole.
//
// A locked field shows the program's text whole: where it is wider than the field, its font is set
// smaller, down to a legible minimum, and a text too wide even then shows its start, never its end.
// Editable fields keep their font.
class AmountField : public QLineEdit {
    Q_OBJECT
public:
    explicit AmountField(QWidget *parent = nullptr);

    KeyFilter keyFilter() const { return m_filter; }
    void setKeyFilter(KeyFilter filter) { m_filter = filter; }
    // 0 means no limit.
    int typedMaxLength() const { return m_typedMaxLength; }
    void setTypedMaxLength(int length) { m_typedMaxLength = length; }
    void setSelectsAllOnFocus(bool on) { m_selectAllOnFocus = on; }
    // Whether the field holds an amount or a percentage or rate, for reading a paste.
    Holds holds() const { return m_holds; }
    void setHolds(Holds holds) { m_holds = holds; }

    // How text arrives that is not typed key by key.
    enum class Arrives { Typed, Pasted };
    // Puts text in place of the characters from start to end, as typing or a paste would, in one
    // undo step. Offsets outside the text, start after end, or a text the field refuses change
    // nothing, the selection included; returns whether the text changed.
    bool replaceRange(int start, int end, const QString &text, Arrives how);

    // The field's look, property by property. A colour of nullopt follows the desktop's theme; the
    // text on a background the program fixes is drawn as styles::textOn() says.
    void setBackColour(std::optional<QColor> colour);
    QColor backColour() const;
    void setForeColour(std::optional<QColor> colour);
    QColor foreColour() const;
    void setBorder(bool single) { setFrame(single); }
    bool hasBorder() const { return hasFrame(); }
    void setFontSize(double points);
    void setBold(bool bold);
    void setLocked(bool locked) { setReadOnly(locked); }
    bool isLocked() const { return isReadOnly(); }

    // The two looks of a main-window amount field. Clearing the field's number and result flag is the
    // window's part.
    // Input style: text empty, enabled, the desktop's background, (the desktop's text colour where
    // asked), single border, 12 points, not bold, not locked.
    void applyInputStyle(bool resetTextColour);
    // Result style: light-yellow background, no border, 14 points, bold, locked.
    void applyResultStyle();

    // Whether the field holds text the user typed or pasted that is no number: a press stops at it
    // rather than take the field for the wanted one. Text the program wrote, and an emptied field,
    // do not count.
    bool holdsTypedNonNumber() const { return isModified() && !text().isEmpty() && !isNumeric(text()); }

    // The font size its look asks for; a locked field may show its text smaller to show it whole.
    double fontSize() const { return m_points; }
    // The smallest font a locked field's text is set in, in points: still legible, and small enough
    // for the longest result a field takes ("-1234567890123,45") to show whole.
    static constexpr double kSmallestPoints = 7.0;

    // The rule that runs when the field gets the focus: the whole text selected.
    void GotFocus();

    // Where a character of the text is drawn, in screen coordinates (for screen readers and
    // magnifiers); empty beyond the text.
    QRect characterRect(int offset) const;

Q_SIGNALS:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    class Validator;

    void applyColours();
    // Inserts what the clipboard holds, reduced, in place of the selection.
    void pasteNumber(QClipboard::Mode mode);
    // Ends the undo step at the caret, so that the next edit is one of its own.
    void separateUndoStep();
    // Sets a locked field's font as large as its look asks for, or as small as its text needs.
    void fitText();
    // How wide a text may be to show whole, in pixels.
    int textRoom() const;

    std::optional<QColor> m_back;
    std::optional<QColor> m_fore;
    KeyFilter m_filter = KeyFilter::None;
    int m_typedMaxLength = 0;
    qsizetype m_pasteLength = 0;    // while a paste goes in: its length, which the typed limit yields to
    qsizetype m_acceptedLength = 0; // the length of the text before the change under way
    Holds m_holds = Holds::Amount;
    double m_points = 0;    // the font size of the field's look
    bool m_fitting = false; // fitText() sets the font
    // What fitText() last measured (the text, the font the look asks for, the room) and found.
    struct FitAsked {
        QString text;
        QFont font;
        int room = 0;
        bool operator==(const FitAsked &) const = default;
    };
    FitAsked m_fitAsked;
    double m_fitPoints = 0;
    bool m_selectAllOnFocus = true;
    bool m_focusedByMouse = false;
    ClickRule m_click;
};

} // namespace rechnado
