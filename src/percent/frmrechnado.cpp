#include "percent/frmrechnado.h"

#include "app/controls.h"
#include "app/layout.h"
#include "app/modglobals.h"
#include "app/platform.h"
#include "app/windows.h"
#include "fields/amountfield.h"
#include "fields/numbertext.h"
#include "fields/styles.h"
#include "percent/clickbookkeeping.h"

#include <QPushButton>
#include <QTimer>

namespace rechnado {

namespace {

constexpr const char *kZuCaption = "1  zu  2";
constexpr const char *kVonCaption = "1 von 2";
constexpr const char *kZuToolTip =
    "Klicken, wenn  \" Betrag 1 \"  VON  \" Betrag 2 \"  berechnet werden soll.";
constexpr const char *kVonToolTip =
    "Klicken, wenn  von \" Betrag 1 \"  ZU  \" Betrag 2 \"  berechnet werden soll.";
constexpr const char *kClockCaption = "Datum / Uhrzeit";
constexpr const char *kDiffCaption = "Betrag 2 - Betrag 1";

constexpr FontSpec kSans{"MS Sans Serif", 8.25};
constexpr FontSpec kInput{"MS Sans Serif", 12};
constexpr FontSpec kTitle{"Times New Roman", 27.75, true};
constexpr FontSpec kDer{"Times New Roman", 14.25, true};
constexpr FontSpec kSmall{"Arial", 6.75};

// clang-format off
constexpr ControlSpec kControls[] = {
    {.name = "shpRechnado", .kind = Kind::Shape, .in = "fraEingabe", .left = 170, .top = 200, .width = 3555, .height = 795,
     .back = styles::kLightOrange},
    {.name = "lblDer", .kind = Kind::Label, .in = "fraEingabe", .left = 360, .top = 210, .width = 675, .height = 300,
     .caption = "Der", .font = kDer, .back = styles::kLightOrange, .align = Align::Left},
    {.name = "lblRechnado", .kind = Kind::Label, .in = "fraEingabe", .left = 180, .top = 390, .width = 3495, .height = 555,
     .caption = "Rechnado", .font = kTitle, .back = styles::kLightOrange, .align = Align::Center},
    {.name = "lblVersion", .kind = Kind::Label, .in = "fraEingabe", .left = 2610, .top = 315, .width = 855, .height = 195,
     .caption = "Version 1.6.3", .font = kSmall, .back = styles::kLightOrange, .align = Align::Right, .onTop = true},
    {.name = "imgTomate", .kind = Kind::Picture, .in = "fraEingabe", .left = 2300, .top = 570, .width = 315, .height = 315,
     .picture = "tomato", .stretch = true, .onTop = true},
    {.name = "lblBetrag1", .kind = Kind::Label, .in = "fraEingabe", .left = 180, .top = 1080, .width = 1575, .height = 255,
     .caption = "Betrag 1", .align = Align::Center, .labelFor = "txtAnlagebetrag"},
    {.name = "txtAnlagebetrag", .kind = Kind::TextField, .left = 240, .top = 1320, .width = 1575, .height = 375,
     .toolTip = "Basisbetrag / Anlagesumme / Netto", .font = kInput, .align = Align::Center, .border = true,
     .tabIndex = 0, .filter = KeyFilter::Decimal, .maxLength = 11},
    {.name = "lblDiff", .kind = Kind::Label, .in = "fraEingabe", .left = 2100, .top = 1080, .width = 1575, .height = 255,
     .caption = kClockCaption, .align = Align::Center},
    {.name = "lblDateTime", .kind = Kind::Label, .in = "fraEingabe", .left = 2445, .top = 1300, .width = 855, .height = 400,
     .caption = " Moment mal ...", .toolTip = "Aktuelle Zeit und Datum", .font = {"Arial", 8.25},
     .back = styles::kLightYellow, .align = Align::Center},
    {.name = "txtDiff", .kind = Kind::TextField, .left = 2160, .top = 1320, .width = 1575, .height = 375,
     .toolTip = "Differenz zwischen Betrag 1 und Betrag 2", .font = {"MS Sans Serif", 13.5, true},
     .back = styles::kLightYellow, .fore = styles::kBlack, .align = Align::Center, .border = true, .tabIndex = 11,
     .tabStop = false, .visible = false, .locked = true, .accessibleName = kDiffCaption},
    {.name = "lblBetrag2", .kind = Kind::Label, .in = "fraEingabe", .left = 180, .top = 1800, .width = 1575, .height = 255,
     .caption = "Betrag 2", .align = Align::Center, .labelFor = "txtEndbetrag"},
    {.name = "txtEndbetrag", .kind = Kind::TextField, .left = 240, .top = 2040, .width = 1575, .height = 375,
     .toolTip = "Zielbetrag / Brutto", .font = kInput, .align = Align::Center, .border = true,
     .tabIndex = 1, .filter = KeyFilter::Decimal, .maxLength = 11},
    {.name = "lblLaufzeit", .kind = Kind::Label, .in = "fraEingabe", .left = 2100, .top = 1800, .width = 1575, .height = 255,
     .caption = "Laufzeit", .align = Align::Center, .labelFor = "txtLaufzeit"},
    {.name = "txtLaufzeit", .kind = Kind::TextField, .left = 2160, .top = 2040, .width = 1575, .height = 375,
     .toolTip = "Laufzeit (Jahre, Monate... )", .font = kInput, .align = Align::Center, .border = true,
     .tabIndex = 3, .filter = KeyFilter::Decimal, .maxLength = 11},
    {.name = "lblProzent", .kind = Kind::Label, .in = "fraEingabe", .left = 180, .top = 2520, .width = 1575, .height = 255,
     .caption = "% Prozent", .align = Align::Center, .labelFor = "txtProzent"},
    {.name = "txtProzent", .kind = Kind::TextField, .in = "fraEingabe", .left = 180, .top = 2760, .width = 1575, .height = 375,
     .toolTip = "Prozentsatz (gesamt) / Steuersatz / prozentuale Veränderung", .font = kInput, .fore = styles::kBlack,
     .align = Align::Center, .border = true, .tabIndex = 2, .filter = KeyFilter::SignedDecimal, .maxLength = 11, .rate = true},
    {.name = "lblZinssatz", .kind = Kind::Label, .in = "fraEingabe", .left = 2100, .top = 2520, .width = 1575, .height = 255,
     .caption = "Zinssatz", .align = Align::Center, .labelFor = "txtZinssatz"},
    {.name = "txtZinssatz", .kind = Kind::TextField, .left = 2160, .top = 2760, .width = 1575, .height = 375,
     .toolTip = "Zinssatz pro Laufzeit-Einheit ( pro Jahr / pro Monat )", .font = kInput, .align = Align::Center,
     .border = true, .tabIndex = 4, .filter = KeyFilter::SignedDecimal, .maxLength = 11, .rate = true},
    {.name = "cmdSparplan", .kind = Kind::Button, .in = "fraEingabe", .left = 180, .top = 3300, .width = 795, .height = 315,
     .caption = "Sparplan", .toolTip = "zum Sparplan-Modus", .tabIndex = 7},
    {.name = "lblVonZu", .kind = Kind::Label, .in = "fraEingabe", .left = 1320, .top = 3310, .width = 1215, .height = 290,
     .caption = kZuCaption, .toolTip = kZuToolTip, .font = {"MS Sans Serif", 9.75, true}, .back = styles::kModeGreen,
     .fore = styles::kWindowText, .align = Align::Center, .border = true, .shortcut = "Ctrl+M"},
    {.name = "cmdAbout", .kind = Kind::Button, .in = "fraEingabe", .left = 2880, .top = 3300, .width = 795, .height = 315,
     .caption = "About", .toolTip = "Über...", .tabIndex = 10},
    {.name = "cmdNeu", .kind = Kind::Button, .left = 240, .top = 3660, .width = 795, .height = 315,
     .caption = "Neu", .toolTip = "Felder löschen", .tabIndex = 6},
    {.name = "cmdBerechnen", .kind = Kind::Button, .in = "fraEingabe", .left = 1320, .top = 3660, .width = 1215, .height = 315,
     .caption = "Berechnen !", .toolTip = "Berechnen", .tabIndex = 5, .isDefault = true},
    {.name = "cmdExit", .kind = Kind::Button, .in = "fraEingabe", .left = 2880, .top = 3660, .width = 795, .height = 315,
     .caption = "Exit", .toolTip = "Beenden", .tabIndex = 9},
    {.name = "fraEingabe", .kind = Kind::Frame, .left = 60, .top = 0, .width = 3855, .height = 4095},
    {.name = "Timer1", .kind = Kind::Timer, .in = "fraEingabe", .interval = 1000},
};
// clang-format on

constexpr LayoutSpec kLayout{
    .caption = "Rechnado v1.6",
    .clientWidth = 3990,
    .clientHeight = 4140,
    .font = kSans,
    .icon = "tomato",
    .controls = kControls,
};

} // namespace

frmRechnado::frmRechnado()
    : Form(windows::kRechnado)
{}

const LayoutSpec &frmRechnado::layout() const
{
    return kLayout;
}

void frmRechnado::bind(const BuiltWindow &built)
{
    ui.imgTomate = built.get<Picture>("imgTomate");
    ui.txtAnlagebetrag = built.get<AmountField>("txtAnlagebetrag");
    ui.txtEndbetrag = built.get<AmountField>("txtEndbetrag");
    ui.txtProzent = built.get<AmountField>("txtProzent");
    ui.txtLaufzeit = built.get<AmountField>("txtLaufzeit");
    ui.txtZinssatz = built.get<AmountField>("txtZinssatz");
    ui.txtDiff = built.get<AmountField>("txtDiff");
    ui.lblDiff = built.get<Label>("lblDiff");
    ui.lblDateTime = built.get<Label>("lblDateTime");
    ui.lblVonZu = built.get<Label>("lblVonZu");
    ui.lblLaufzeit = built.get<Label>("lblLaufzeit");
    ui.lblZinssatz = built.get<Label>("lblZinssatz");
    ui.lblProzent = built.get<Label>("lblProzent");
    ui.Timer1 = built.timer("Timer1");

    connect(built.get<QPushButton>("cmdBerechnen"), &QPushButton::clicked, this,
            &frmRechnado::cmdBerechnen_Click);
    connect(built.get<QPushButton>("cmdNeu"), &QPushButton::clicked, this, &frmRechnado::cmdNeu_Click);
    connect(built.get<QPushButton>("cmdSparplan"), &QPushButton::clicked, this,
            &frmRechnado::cmdSparplan_Click);
    connect(built.get<QPushButton>("cmdAbout"), &QPushButton::clicked, this, &frmRechnado::cmdAbout_Click);
    connect(built.get<QPushButton>("cmdExit"), &QPushButton::clicked, this, &frmRechnado::cmdExit_Click);
    connect(ui.lblVonZu, &Label::clicked, this, &frmRechnado::lblVonZu_Click);
    connect(ui.lblDateTime, &Label::clicked, this, &frmRechnado::lblDateTime_Click);
    connect(ui.txtDiff, &AmountField::clicked, this, &frmRechnado::txtDiff_Click);
    connect(ui.Timer1, &QTimer::timeout, this, &frmRechnado::Timer1_Timer);
}

void frmRechnado::unbind()
{
    ui = Ui{};
}

void frmRechnado::Form_Load()
{
    show();
    zuMode = true;
    vonMode = false;
}

// Each amount field with its number and its result flag, in the order of Field.
const frmRechnado::SlotMembers &frmRechnado::membersOf(Field field)
{
    static constexpr SlotMembers kSlots[] = {
        {&Ui::txtAnlagebetrag, &frmRechnado::anlagebetrag, &frmRechnado::anlagebetragIsResult},
        {&Ui::txtEndbetrag, &frmRechnado::endbetrag, &frmRechnado::endbetragIsResult},
        {&Ui::txtProzent, &frmRechnado::prozent, &frmRechnado::prozentIsResult},
        {&Ui::txtLaufzeit, &frmRechnado::laufzeit, &frmRechnado::laufzeitIsResult},
        {&Ui::txtZinssatz, &frmRechnado::zinssatz, &frmRechnado::zinssatzIsResult},
    };
    return kSlots[static_cast<int>(field)];
}

frmRechnado::AmountSlot frmRechnado::slot(Field field)
{
    const SlotMembers &m = membersOf(field);
    return {ui.*m.field, this->*m.value, this->*m.isResult};
}

double frmRechnado::value(Field field) const
{
    return this->*membersOf(field).value;
}

bool frmRechnado::isResult(Field field) const
{
    return this->*membersOf(field).isResult;
}

void frmRechnado::Clear()
{
    for (const Field field :
         {Field::Anlagebetrag, Field::Endbetrag, Field::Prozent, Field::Laufzeit, Field::Zinssatz}) {
        const AmountSlot s = slot(field);
        s.field->applyInputStyle(field == Field::Prozent);
        s.value = 0;
        s.isResult = false;
    }
    ui.txtDiff->hide();
    ui.txtDiff->setText(QString());
    differenz = 0;
    ui.lblDateTime->show();
    ui.lblDiff->setText(QString::fromUtf8(kClockCaption));
    setModeLook(false);
    ui.lblLaufzeit->setEnabled(true);
    ui.lblZinssatz->setEnabled(true);
    ui.lblProzent->setEnabled(true);
}

void frmRechnado::cmdNeu_Click()
{
    Clear();
    zuMode = true;
    vonMode = false;
}

void frmRechnado::setModeLook(bool von)
{
    ui.lblVonZu->setText(QString::fromUtf8(von ? kVonCaption : kZuCaption));
    QPalette p = ui.lblVonZu->palette();
    p.setColor(QPalette::Window, styles::colour(von ? styles::kModeRed : styles::kModeGreen));
    ui.lblVonZu->setPalette(p);
    ui.lblVonZu->setToolTip(QString::fromUtf8(von ? kVonToolTip : kZuToolTip));
    ui.lblVonZu->setAccessibleDescription(ui.lblVonZu->toolTip());
}

void frmRechnado::lblVonZu_Click()
{
    Clear();
    const bool toVon = zuMode;
    setModeLook(toVon);
    zuMode = !toVon;
    vonMode = toVon;
    for (QWidget *w :
         std::initializer_list<QWidget *>{ui.txtLaufzeit, ui.txtZinssatz, ui.lblLaufzeit, ui.lblZinssatz})
        w->setEnabled(!toVon);
    window()->announce(QStringLiteral("Modus ") + ui.lblVonZu->text());
}

void frmRechnado::showDifferenceDisplay(bool difference)
{
    ui.lblDateTime->setVisible(!difference);
    ui.txtDiff->setVisible(difference);
    ui.lblDiff->setText(QString::fromUtf8(difference ? kDiffCaption : kClockCaption));
}

void frmRechnado::lblDateTime_Click()
{
    showDifferenceDisplay(true);
}

void frmRechnado::txtDiff_Click()
{
    showDifferenceDisplay(false);
}

void frmRechnado::Timer1_Timer()
{
    const QDateTime now = platform().now();
    ui.lblDateTime->setText(shortDateText(now.date()) + QStringLiteral("\r\n") + longTimeText(now.time()));
    // The long time can be wide ("10:59:41 PM"): the two lines show whole, set smaller if need be.
    ui.lblDateTime->fitCaption(Label::Lines::Keep);
}

void frmRechnado::errorBox(const QString &text)
{
    meldung = text;
    platform().messageBox(meldung, QStringLiteral("Fehler !"), MsgIcon::Information, MsgButtons::Ok);
}

void frmRechnado::showResult(const PercentOutcome::Written &written)
{
    const AmountSlot s = slot(written.field);
    s.value = written.value;
    const bool percent = written.field == Field::Prozent || written.field == Field::Zinssatz;
    s.field->setText(formatFixed2(written.value, QLocale(), written.noise) +
                     (percent ? QStringLiteral("%") : QString()));
    s.field->applyResultStyle();
}

void frmRechnado::cmdBerechnen_Click()
{
    if (!clickBookkeeping(m_walk, *ui.imgTomate, meldung)) {
        unload();
        platform().endProgram();
        return;
    }

    // What the user typed is never replaced: a field holding typed text that is no number stops the
    // press before anything changes, as missing values do.
    for (const Field field :
         {Field::Anlagebetrag, Field::Endbetrag, Field::Prozent, Field::Laufzeit, Field::Zinssatz}) {
        if (slot(field).field->holdsTypedNonNumber()) {
            errorBox(QStringLiteral("Werte fehlen, oder sind falsch !"));
            return;
        }
    }

    // Former results become wanted again; they keep the result style until Clear.
    for (const Field field :
         {Field::Anlagebetrag, Field::Endbetrag, Field::Zinssatz, Field::Laufzeit, Field::Prozent}) {
        const AmountSlot s = slot(field);
        if (s.isResult) {
            s.field->setText(QString());
            s.value = 0;
            s.isResult = false;
        }
    }
    // A text that is no number leaves its variable as it was.
    for (const Field field :
         {Field::Anlagebetrag, Field::Endbetrag, Field::Prozent, Field::Laufzeit, Field::Zinssatz}) {
        const AmountSlot s = slot(field);
        readField(s.field->text(), s.value);
    }

    const PercentOutcome outcome =
        solvePercent({anlagebetrag, endbetrag, prozent, laufzeit, zinssatz}, vonMode);
    switch (outcome.kind) {
    case PercentOutcome::Kind::NoRow:
        errorBox(QStringLiteral("Werte fehlen, oder sind falsch !"));
        return;
    case PercentOutcome::Kind::NotComputable:
        errorBox(QStringLiteral("Mit diesen Werten ist keine Berechnung möglich !"));
        return;
    case PercentOutcome::Kind::Solved:
        break;
    }

    if (outcome.von) {
        // A von row computes one value: shown and enabled first, judged second.
        const PercentOutcome::Written &w = outcome.written.front();
        showResult(w);
        slot(w.field).field->setEnabled(true);
        if (outcome.shareTooLarge) {
            errorBox(QStringLiteral("Sie wollen einen größeren Anteil von einem kleineren berechnen !"));
            return;
        }
        if (w.field == Field::Prozent) {
            ui.txtProzent->setText(formatSigned(prozent, QLocale(), w.noise) + QStringLiteral("%"));
            ui.txtProzent->setForeColour(prozent > 0 ? styles::green() : styles::red());
        }
        slot(w.field).isResult = true;
    } else {
        for (const PercentOutcome::Written &w : outcome.written) {
            showResult(w);
            slot(w.field).isResult = true;
        }
        if (outcome.callsProzCalc)
            ProzCalc(outcome.change, outcome.changeNoise);
    }
    if (outcome.callsDiffCalc)
        DiffCalc(outcome.difference, outcome.differenceNoise);
    announceResults(outcome.callsDiffCalc);
}

void frmRechnado::announceResults(bool difference)
{
    QStringList told;
    for (const Field field :
         {Field::Anlagebetrag, Field::Endbetrag, Field::Prozent, Field::Laufzeit, Field::Zinssatz}) {
        const AmountSlot s = slot(field);
        if (s.isResult)
            told << s.field->accessibleName() + u' ' + s.field->text();
    }
    if (difference)
        told << QStringLiteral("Differenz ") + ui.txtDiff->text();
    window()->announce(told.join(QStringLiteral(", ")));
}

// The change and the difference come from the solver, which has checked that they are finite.
void frmRechnado::ProzCalc(double change, Noise noise)
{
    ui.txtProzent->applyResultStyle();
    ui.txtProzent->setEnabled(true);
    prozent = change;
    ui.txtProzent->setText(formatSigned(prozent, QLocale(), noise) + QStringLiteral("%"));
    ui.txtProzent->setForeColour(prozent > 0 ? styles::green() : styles::red());
    prozentIsResult = true;
}

void frmRechnado::DiffCalc(double difference, Noise noise)
{
    differenz = difference;
    ui.txtDiff->setText(formatSigned(differenz, QLocale(), noise));
    ui.txtDiff->setForeColour(differenz > 0 ? styles::green() : styles::red());
    showDifferenceDisplay(true);
}

void frmRechnado::cmdSparplan_Click()
{
    Clear();
    unload();
    windows::get(windows::kSparplan).show();
}

void frmRechnado::cmdAbout_Click()
{
    hide();
    modGlobals::aufrufer = windows::kRechnado;
    windows::get(windows::kAbout).show();
}

void frmRechnado::cmdExit_Click()
{
    unload();
    platform().endProgram();
}

} // namespace rechnado
