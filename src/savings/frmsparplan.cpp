#include "savings/frmsparplan.h"

#include "app/controls.h"
#include "app/layout.h"
#include "app/modglobals.h"
#include "app/platform.h"
#include "app/windows.h"
#include "fields/amountfield.h"
#include "fields/numbertext.h"
#include "fields/styles.h"
#include "percent/clickbookkeeping.h"
#include "savings/savingssolver.h"

#include <QPushButton>

namespace rechnado {

namespace {

constexpr FontSpec kInput{"MS Sans Serif", 12};
constexpr FontSpec kResult{"MS Sans Serif", 13.5, true};

// clang-format off
constexpr ControlSpec kControls[] = {
    {.name = "txtSparrate", .kind = Kind::TextField, .left = 240, .top = 1320, .width = 1575, .height = 375,
     .toolTip = "periodischer Anlagebetrag (z.B. pro Monat)", .font = kInput, .align = Align::Center, .border = true,
     .tabIndex = 0, .filter = KeyFilter::Decimal},
    {.name = "txtMalProJahr", .kind = Kind::TextField, .left = 240, .top = 2040, .width = 1575, .height = 375,
     .toolTip = "Einzahlungen pro Jahr", .font = kInput, .align = Align::Center, .border = true,
     .tabIndex = 1, .filter = KeyFilter::WholeNumber},
    {.name = "txtLaufzeit", .kind = Kind::TextField, .left = 240, .top = 2760, .width = 1575, .height = 375,
     .toolTip = "Anspardauer (Jahre)", .font = kInput, .align = Align::Center, .border = true,
     .tabIndex = 2, .filter = KeyFilter::WholeNumber},
    {.name = "txtProzent", .kind = Kind::TextField, .in = "fraEingabe", .left = 180, .top = 3480, .width = 1575, .height = 375,
     .toolTip = "angenommene Verzinsung pro Jahr", .font = kInput, .fore = styles::kBlack, .align = Align::Center,
     .border = true, .tabIndex = 3, .filter = KeyFilter::Decimal, .rate = true},
    {.name = "txtAnlagesumme", .kind = Kind::TextField, .left = 2160, .top = 1320, .width = 1575, .height = 375,
     .toolTip = "real eingezahlter Betrag", .font = kResult, .back = styles::kLightYellow, .fore = styles::kBlack,
     .align = Align::Center, .border = true, .tabIndex = 9, .tabStop = false, .enabled = false, .locked = true,
     .selectAllOnFocus = false},
    {.name = "txtEndsumme", .kind = Kind::TextField, .left = 2160, .top = 2040, .width = 1575, .height = 375,
     .toolTip = "Sparergebnis am Laufzeitende", .font = kResult, .back = styles::kLightYellow, .fore = styles::kBlack,
     .align = Align::Center, .border = true, .tabIndex = 10, .tabStop = false, .enabled = false, .locked = true,
     .selectAllOnFocus = false},
    {.name = "txtAbsGewinn", .kind = Kind::TextField, .left = 2160, .top = 2760, .width = 1575, .height = 375,
     .toolTip = "realer Gewinn durch Verzinsung (z.B. in DM / Euro)", .font = kResult, .back = styles::kLightYellow,
     .fore = styles::kWindowText, .align = Align::Center, .border = true, .tabIndex = 11, .tabStop = false,
     .enabled = false, .locked = true, .selectAllOnFocus = false},
    {.name = "txtProzGewinn", .kind = Kind::TextField, .left = 2160, .top = 3480, .width = 1575, .height = 375,
     .toolTip = "realer Gewinn durch Verzinsung (in Prozent)", .font = kResult, .back = styles::kLightYellow,
     .fore = styles::kBlack, .align = Align::Center, .border = true, .tabIndex = 12, .tabStop = false,
     .enabled = false, .locked = true, .selectAllOnFocus = false},
    {.name = "cmdBerechnen", .kind = Kind::Button, .in = "fraEingabe", .left = 1320, .top = 4200, .width = 1215, .height = 315,
     .caption = "Berechnen !", .toolTip = "Berechnen", .tabIndex = 4, .isDefault = true},
    {.name = "cmdNeu", .kind = Kind::Button, .left = 240, .top = 4380, .width = 795, .height = 315,
     .caption = "Neu", .toolTip = "Felder löschen", .tabIndex = 5},
    {.name = "cmdBack", .kind = Kind::Button, .left = 240, .top = 4020, .width = 795, .height = 315,
     .caption = "<- Back", .toolTip = "zurück zum Standard-Modus", .tabIndex = 6},
    {.name = "cmdExit", .kind = Kind::Button, .in = "fraEingabe", .left = 2880, .top = 4380, .width = 795, .height = 315,
     .caption = "Exit", .toolTip = "Beenden", .tabIndex = 7},
    {.name = "cmdAbout", .kind = Kind::Button, .in = "fraEingabe", .left = 2880, .top = 4020, .width = 795, .height = 315,
     .caption = "About", .toolTip = "Über...", .tabIndex = 8},
    {.name = "fraEingabe", .kind = Kind::Frame, .left = 60, .top = 0, .width = 3855, .height = 4815},
    {.name = "lblSparrate", .kind = Kind::Label, .in = "fraEingabe", .left = 180, .top = 1080, .width = 1575, .height = 255,
     .caption = "Sparrate", .align = Align::Center, .labelFor = "txtSparrate"},
    {.name = "lblMalProJahr", .kind = Kind::Label, .in = "fraEingabe", .left = 180, .top = 1800, .width = 1575, .height = 255,
     .caption = "Anz. Raten pro Jahr", .align = Align::Center, .labelFor = "txtMalProJahr"},
    {.name = "lblLaufzeit", .kind = Kind::Label, .in = "fraEingabe", .left = 180, .top = 2520, .width = 1575, .height = 255,
     .caption = "Laufzeit (Jahre)", .align = Align::Center, .labelFor = "txtLaufzeit"},
    {.name = "lblProzent", .kind = Kind::Label, .in = "fraEingabe", .left = 180, .top = 3240, .width = 1575, .height = 255,
     .caption = "% pro Jahr", .align = Align::Center, .labelFor = "txtProzent"},
    {.name = "lblAnlagesumme", .kind = Kind::Label, .in = "fraEingabe", .left = 2100, .top = 1080, .width = 1575, .height = 255,
     .caption = "Anlagesumme", .align = Align::Center, .labelFor = "txtAnlagesumme"},
    {.name = "lblEndsumme", .kind = Kind::Label, .in = "fraEingabe", .left = 2100, .top = 1800, .width = 1575, .height = 255,
     .caption = "Endsumme", .align = Align::Center, .labelFor = "txtEndsumme"},
    {.name = "lblAbsGewinn", .kind = Kind::Label, .in = "fraEingabe", .left = 2100, .top = 2520, .width = 1575, .height = 255,
     .caption = "Gewinn (abs.)", .align = Align::Center, .labelFor = "txtAbsGewinn"},
    {.name = "lblProzGewinn", .kind = Kind::Label, .in = "fraEingabe", .left = 2100, .top = 3240, .width = 1575, .height = 255,
     .caption = "Gewinn (%)", .align = Align::Center, .labelFor = "txtProzGewinn"},
    {.name = "shpRechnado", .kind = Kind::Shape, .in = "fraEingabe", .left = 170, .top = 200, .width = 3555, .height = 795,
     .back = styles::kLightOrange},
    {.name = "lblDer", .kind = Kind::Label, .in = "fraEingabe", .left = 360, .top = 210, .width = 675, .height = 300,
     .caption = "Der", .font = {"Times New Roman", 14.25, true}, .back = styles::kLightOrange},
    {.name = "lblRechnado", .kind = Kind::Label, .in = "fraEingabe", .left = 180, .top = 390, .width = 3495, .height = 555,
     .caption = "Rechnado", .font = {"Times New Roman", 27.75, true}, .back = styles::kLightOrange, .align = Align::Center},
    {.name = "lblVersion", .kind = Kind::Label, .in = "fraEingabe", .left = 2610, .top = 315, .width = 855, .height = 195,
     .caption = "Version 1.6.3", .font = {"Arial", 6.75}, .back = styles::kLightOrange, .align = Align::Right,
     .onTop = true},
    {.name = "imgTomate", .kind = Kind::Picture, .in = "fraEingabe", .left = 2300, .top = 570, .width = 315, .height = 315,
     .picture = "tomato", .stretch = true, .onTop = true},
};
// clang-format on

constexpr LayoutSpec kLayout{
    .caption = "Rechnado v1.6",
    .clientWidth = 3990,
    .clientHeight = 4860,
    .font = {"MS Sans Serif", 8.25},
    .icon = "tomato",
    .controls = kControls,
};

} // namespace

frmSparplan::frmSparplan()
    : Form(windows::kSparplan)
{}

const LayoutSpec &frmSparplan::layout() const
{
    return kLayout;
}

void frmSparplan::bind(const BuiltWindow &built)
{
    ui.imgTomate = built.get<Picture>("imgTomate");
    ui.txtSparrate = built.get<AmountField>("txtSparrate");
    ui.txtMalProJahr = built.get<AmountField>("txtMalProJahr");
    ui.txtLaufzeit = built.get<AmountField>("txtLaufzeit");
    ui.txtProzent = built.get<AmountField>("txtProzent");
    ui.txtAnlagesumme = built.get<AmountField>("txtAnlagesumme");
    ui.txtEndsumme = built.get<AmountField>("txtEndsumme");
    ui.txtAbsGewinn = built.get<AmountField>("txtAbsGewinn");
    ui.txtProzGewinn = built.get<AmountField>("txtProzGewinn");

    connect(built.get<QPushButton>("cmdBerechnen"), &QPushButton::clicked, this,
            &frmSparplan::cmdBerechnen_Click);
    connect(built.get<QPushButton>("cmdNeu"), &QPushButton::clicked, this, &frmSparplan::cmdNeu_Click);
    connect(built.get<QPushButton>("cmdBack"), &QPushButton::clicked, this, &frmSparplan::cmdBack_Click);
    connect(built.get<QPushButton>("cmdAbout"), &QPushButton::clicked, this, &frmSparplan::cmdAbout_Click);
    connect(built.get<QPushButton>("cmdExit"), &QPushButton::clicked, this, &frmSparplan::cmdExit_Click);
}

void frmSparplan::unbind()
{
    ui = Ui{};
}

void frmSparplan::Form_Load()
{
    show();
    ui.txtMalProJahr->setText(QStringLiteral("12"));
}

void frmSparplan::Clear()
{
    // The deposits per year keep their text: the default 12, or what the user typed, survives.
    ui.txtSparrate->setText(QString());
    sparrate = 0;
    malProJahr = 0;
    ui.txtLaufzeit->setText(QString());
    laufzeit = 0;
    ui.txtProzent->setText(QString());
    prozent = 0;
    ui.txtAnlagesumme->setText(QString());
    anlagesumme = 0;
    ui.txtEndsumme->setText(QString());
    endsumme = 0;
    ui.txtAbsGewinn->setText(QString());
    absGewinn = 0;
    ui.txtProzGewinn->setText(QString());
    prozGewinn = 0;
    for (AmountField *result : {ui.txtAnlagesumme, ui.txtEndsumme, ui.txtAbsGewinn, ui.txtProzGewinn})
        result->setEnabled(false);
}

void frmSparplan::cmdNeu_Click()
{
    Clear();
}

void frmSparplan::errorBox(const QString &text)
{
    meldung = text;
    platform().messageBox(meldung, QStringLiteral("Fehler !"), MsgIcon::Information, MsgButtons::Ok);
}

void frmSparplan::cmdBerechnen_Click()
{
    if (!clickBookkeeping(m_walk, *ui.imgTomate, meldung)) {
        unload();
        platform().endProgram();
        return;
    }

    // A typed text that is no number would leave its field's last value in the plan unseen: it
    // counts as a field not filled in, as it does after Neu.
    for (const AmountField *input : {ui.txtSparrate, ui.txtMalProJahr, ui.txtLaufzeit, ui.txtProzent}) {
        if (input->holdsTypedNonNumber()) {
            errorBox(QStringLiteral("Alle linken Felder müssen ausgefüllt sein !"));
            return;
        }
    }
    readField(ui.txtSparrate->text(), sparrate);
    readField(ui.txtMalProJahr->text(), malProJahr);
    readField(ui.txtLaufzeit->text(), laufzeit);
    readField(ui.txtProzent->text(), prozent);

    const SavingsOutcome out = solveSavings({sparrate, malProJahr, laufzeit, prozent});
    switch (out.kind) {
    case SavingsOutcome::Kind::MissingInput:
        errorBox(QStringLiteral("Alle linken Felder müssen ausgefüllt sein !"));
        return;
    case SavingsOutcome::Kind::TooManyDeposits:
        errorBox(QStringLiteral("Zu viele Einzahlungen: höchstens %1 sind möglich !").arg(kMaxDeposits));
        return;
    case SavingsOutcome::Kind::NotComputable:
        errorBox(QStringLiteral("Mit diesen Werten ist keine Berechnung möglich !"));
        return;
    case SavingsOutcome::Kind::Solved:
        break;
    }

    anlagesumme = out.anlagesumme;
    ui.txtAnlagesumme->setText(formatFixed2(anlagesumme, QLocale(), out.anlagesummeNoise));
    endsumme = out.endsumme;
    ui.txtEndsumme->setText(formatFixed2(endsumme, QLocale(), out.endsummeNoise));
    absGewinn = out.absGewinn;
    ui.txtAbsGewinn->setText(formatFixed2(absGewinn, QLocale(), out.absGewinnNoise));
    prozGewinn = out.prozGewinn;
    ui.txtProzGewinn->setText(formatFixed2(prozGewinn, QLocale(), out.prozGewinnNoise) + QStringLiteral("%"));
    QStringList told;
    for (AmountField *result : {ui.txtAnlagesumme, ui.txtEndsumme, ui.txtAbsGewinn, ui.txtProzGewinn}) {
        result->setEnabled(true);
        told << result->accessibleName() + u' ' + result->text();
    }
    // A screen reader hears the results by their names; the focus stays where it is.
    window()->announce(told.join(QStringLiteral(", ")));
}

void frmSparplan::cmdBack_Click()
{
    Clear();
    unload();
    windows::get(windows::kRechnado).show();
}

void frmSparplan::cmdAbout_Click()
{
    hide();
    modGlobals::aufrufer = windows::kSparplan;
    windows::get(windows::kAbout).show();
}

void frmSparplan::cmdExit_Click()
{
    unload();
    platform().endProgram();
}

} // namespace rechnado
