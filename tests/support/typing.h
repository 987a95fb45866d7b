#pragma once

#include <QLineEdit>
#include <QtTest>

namespace rechnado::test {

// Types text key by key as a keyboard would, umlauts and control characters included
// (QTest::keyClicks knows only printable ASCII).
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\r' || c == u'\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else if (c == u'\b')
            QTest::keyClick(widget, Qt::Key_Backspace);
        else if (c == u'\t')
            QTest::keyClick(widget, Qt::Key_Tab);
        else if (c.unicode() < 0x80 && c.isPrint())
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces a field's whole text as a user does: focus, select all, then type (or delete).
inline void replaceText(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        typeText(field, text);
}

} // namespace rechnado::test
