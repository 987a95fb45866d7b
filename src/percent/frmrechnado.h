#pragma once

// The main window: percentages, taxes, interest and compound interest.
//
// Data path of a press of "Berechnen !":
//   cmdBerechnen_Click
//     -> clickBookkeeping (percent/clickbookkeeping.h): the tomato walks one leg, the press is counted,
//        a joke box may follow, the 125th press ends the program
//     -> a field holding typed text that is no number stops the press, unchanged
//     -> former results become wanted again; every field is read by the numeric test (fields/numbertext.h)
//     -> solvePercent (percent/percentsolver.h) picks the one fitting row of fifteen and computes it
//     -> each computed value is written in "0.00" in the result style (fields/amountfield.h);
//        ProzCalc and DiffCalc show the change in percent and the difference, signed and coloured
//     -> announceResults tells a screen reader what was written (app/accessibility.h).
// Everything the press needs is computed before anything is written, so an impossible input changes
// nothing but what the press itself clears.

#include "app/form.h"
#include "percent/percentsolver.h"
#include "percent/tomatowalk.h"

#include <cstdint>

class QPushButton;
class QTimer;

namespace rechnado {

class AmountField;
class Label;
class Picture;

class frmRechnado final : public Form {
    Q_OBJECT
public:
    frmRechnado();

    // Handlers and procedures, public so that tests can call them as the events would.
    void Clear();
    void cmdBerechnen_Click();
    void cmdNeu_Click();
    void lblVonZu_Click();
    void lblDateTime_Click();
    void txtDiff_Click();
    void Timer1_Timer();
    void cmdSparplan_Click();
    void cmdAbout_Click();
    void cmdExit_Click();

    // The window's members, readable for tests.
    const TomatoWalk &tomato() const { return m_walk; }
    TomatoWalk &tomato() { return m_walk; }
    const QString &lastMessage() const { return meldung; }
    bool isVonMode() const { return vonMode; }
    bool isZuMode() const { return zuMode; }
    double value(Field field) const;
    bool isResult(Field field) const;
    double lastDifference() const { return differenz; }

protected:
    const LayoutSpec &layout() const override;
    void bind(const BuiltWindow &built) override;
    void unbind() override;
    void Form_Load() override;

private:
    struct Ui {
        Picture *imgTomate = nullptr;
        AmountField *txtAnlagebetrag = nullptr;
        AmountField *txtEndbetrag = nullptr;
        AmountField *txtProzent = nullptr;
        AmountField *txtLaufzeit = nullptr;
        AmountField *txtZinssatz = nullptr;
        AmountField *txtDiff = nullptr;
        Label *lblDiff = nullptr;
        Label *lblDateTime = nullptr;
        Label *lblVonZu = nullptr;
        Label *lblLaufzeit = nullptr;
        Label *lblZinssatz = nullptr;
        Label *lblProzent = nullptr;
        QTimer *Timer1 = nullptr;
    };

    // One amount field with its number and its result flag.
    struct AmountSlot {
        AmountField *field;
        double &value;
        bool &isResult;
    };
    AmountSlot slot(Field field);
    struct SlotMembers {
        AmountField *Ui::*field;
        double frmRechnado::*value;
        bool frmRechnado::*isResult;
    };
    static const SlotMembers &membersOf(Field field);

    // The change in percent and the difference, each with the noise it carries.
    void ProzCalc(double change, Noise noise);
    void DiffCalc(double difference, Noise noise);
    void showResult(const PercentOutcome::Written &written);
    // Tells a screen reader what the press wrote: each result by its field's name, then the
    // difference where the press showed one.
    void announceResults(bool difference);
    void showDifferenceDisplay(bool difference);
    void setModeLook(bool von);
    void errorBox(const QString &text);

    Ui ui;

    // Members, kept for the whole run.
    TomatoWalk m_walk; // tomatePos, tomatePhase, berechnungen
    QString meldung;
    bool anlagebetragIsResult = false;
    bool endbetragIsResult = false;
    bool prozentIsResult = false;
    bool zinssatzIsResult = false;
    bool laufzeitIsResult = false;
    bool vonMode = false;
    bool zuMode = false;
    double anlagebetrag = 0;
    double endbetrag = 0;
    double prozent = 0;
    double differenz = 0; // the difference last shown, in full double precision
    double laufzeit = 0;
    double zinssatz = 0;
};

} // namespace rechnado
