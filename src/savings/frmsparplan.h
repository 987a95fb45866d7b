#pragma once

// The savings-plan window: four inputs on the left, four results on the right.
//
// Data path of a press of "Berechnen !":
//   cmdBerechnen_Click -> clickBookkeeping (this window's own tomato walk and counter)
//     -> the four inputs read by the numeric test -> solveSavings (savings/savingssolver.h)
//     -> the four results in "0.00" and the result fields enabled, told to a screen reader, or one
//        error box and no change.

#include "app/form.h"
#include "percent/tomatowalk.h"

class QTimer;

namespace rechnado {

class AmountField;
class Picture;

class frmSparplan final : public Form {
    Q_OBJECT
public:
    frmSparplan();

    void Clear();
    void cmdBerechnen_Click();
    void cmdNeu_Click();
    void cmdBack_Click();
    void cmdAbout_Click();
    void cmdExit_Click();

    const TomatoWalk &tomato() const { return m_walk; }
    TomatoWalk &tomato() { return m_walk; }
    const QString &lastMessage() const { return meldung; }
    struct Values {
        double sparrate, malProJahr, laufzeit, prozent, anlagesumme, endsumme, absGewinn, prozGewinn;
    };
    Values values() const
    {
        return {sparrate, malProJahr, laufzeit, prozent, anlagesumme, endsumme, absGewinn, prozGewinn};
    }

protected:
    const LayoutSpec &layout() const override;
    void bind(const BuiltWindow &built) override;
    void unbind() override;
    void Form_Load() override;

private:
    struct Ui {
        Picture *imgTomate = nullptr;
        AmountField *txtSparrate = nullptr;
        AmountField *txtMalProJahr = nullptr;
        AmountField *txtLaufzeit = nullptr;
        AmountField *txtProzent = nullptr;
        AmountField *txtAnlagesumme = nullptr;
        AmountField *txtEndsumme = nullptr;
        AmountField *txtAbsGewinn = nullptr;
        AmountField *txtProzGewinn = nullptr;
    };

    void errorBox(const QString &text);

    Ui ui;

    // Members, kept for the whole run.
    double sparrate = 0;
    double malProJahr = 0;
    double laufzeit = 0;
    double prozent = 0;
    double anlagesumme = 0;
    double endsumme = 0;
    double absGewinn = 0;
    double prozGewinn = 0;
    TomatoWalk m_walk; // tomatePhase, tomatePos, berechnungen
    QString meldung;
};

} // namespace rechnado
