#pragma once

// The About window: the program, its author and two jokes with the tomato. The tomato can be thrown
// at the author's photo (a real drag and drop), and a click on the photo lets it fall (TomatoFall,
// driven by Timer1). Closing the window, however it is closed, brings back the calculator window that
// opened it (modGlobals::aufrufer).

#include "about/tomatofall.h"
#include "app/form.h"

class QPushButton;
class QTimer;

namespace rechnado {

class Picture;

class frmAbout final : public Form {
    Q_OBJECT
public:
    frmAbout();

    void cmdOK_Click();
    void imgTomate_DragOver(QWidget *source);
    void imgIch_DragDrop(QWidget *source);
    void imgIch_Click();
    void Timer1_Timer();

    const TomatoFall &fall() const { return m_fall; }
    const QString &lastMessage() const { return meldung; }

    static QString mailText();

protected:
    const LayoutSpec &layout() const override;
    void bind(const BuiltWindow &built) override;
    void unbind() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    struct Ui {
        Picture *imgTomate = nullptr;
        Picture *imgIch = nullptr;
        Picture *imgIch2 = nullptr;
        QTimer *Timer1 = nullptr;
    };

    Ui ui;

    // Members, kept for the whole run.
    QString meldung;
    TomatoFall m_fall; // tomateGefallen, tomateRueckkehr
};

} // namespace rechnado
