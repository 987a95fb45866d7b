#include "about/frmabout.h"

#include "app/controls.h"
#include "app/layout.h"
#include "app/modglobals.h"
#include "app/platform.h"
#include "app/windows.h"
#include "fields/styles.h"

#include <QPushButton>
#include <QTimer>

namespace rechnado {

namespace {

// The author is invented for the program.
#define RECHNADO_AUTHOR "Paul Paradeiser"
constexpr const char *kAuthorMail = "paul.paradeiser@example.org";

constexpr const char *kDescription =
    "Der \"Rechnado\"  ist ein Rechenwerkzeug für Leute, die oft mit Prozent-, Zins-, Zinseszins- und "
    "Steuer-Berechnungen zu kämpfen haben. Oftmals hat man ja dafür gerade nicht die richtige Formel zur "
    "Hand...  Einfach das gesuchte Feld leer lassen, und anschließend auf \"Berechnen !\" klicken. Viel Spaß ! "
    "Das Programm ist Freeware!";

constexpr const char *kDisclaimer = "Für Schäden durch Benutzung dieser Software haftet der Autor nicht !"
                                    "                    "
                                    "(c) 2002 " RECHNADO_AUTHOR;

constexpr FontSpec kBold{"MS Sans Serif", 8.25, true};
constexpr FontSpec kSmall{"Arial", 6.75};

// clang-format off
constexpr ControlSpec kControls[] = {
    {.name = "Timer1", .kind = Kind::Timer, .enabled = false, .interval = 30},
    {.name = "cmdOK", .kind = Kind::Button, .left = 3720, .top = 2580, .width = 1260, .height = 345,
     .caption = "OK", .tabIndex = 0, .isDefault = true, .isCancel = true},
    {.name = "imgTomate", .kind = Kind::Picture, .left = 3120, .top = 600, .width = 750, .height = 750,
     .toolTip = "Was könnte das wohl sein ?", .accessibleName = "Tomate", .picture = "tomato"},
    {.name = "lblDatum", .kind = Kind::Label, .left = 4025, .top = 135, .width = 675, .height = 135,
     .caption = "20.04.2002", .font = kSmall},
    {.name = "lblDer", .kind = Kind::Label, .left = 1020, .top = 120, .width = 975, .height = 195,
     .caption = "Der", .font = kBold},
    {.name = "lblRechnado", .kind = Kind::Label, .left = 1020, .top = 240, .width = 3945, .height = 480,
     .caption = "Rechnado  v1.6.3", .font = {"Times New Roman", 21.75, true}, .fore = styles::kBlack},
    {.name = "imgIch2", .kind = Kind::Picture, .left = 4500, .top = 720, .width = 450, .height = 615,
     .visible = false, .picture = "ich2", .stretch = true},
    {.name = "imgIch", .kind = Kind::Picture, .left = 180, .top = 120, .width = 705, .height = 975,
     .toolTip = "Richtig, das bin ich (der Autor) !", .accessibleName = "Der Autor", .picture = "ich",
     .stretch = true},
    {.name = "lblBText", .kind = Kind::Label, .left = 180, .top = 1380, .width = 4755, .height = 975,
     .caption = kDescription},
    {.name = "linGrau", .kind = Kind::Line, .left = 90, .top = 2445, .width = 4973, .height = 2445,
     .fore = 0x00808080U},
    {.name = "lblBeschreibung", .kind = Kind::Label, .left = 180, .top = 1140, .width = 4785, .height = 210,
     .caption = "Beschreibung:", .font = {"MS Sans Serif", 8.25, true, true}, .fore = styles::kBlack},
    {.name = "linWeiss", .kind = Kind::Line, .left = 105, .top = 2460, .width = 4973, .height = 2460,
     .fore = 0x00FFFFFFU},
    {.name = "lblBy", .kind = Kind::Label, .left = 1020, .top = 720, .width = 3945, .height = 225,
     .caption = "von " RECHNADO_AUTHOR, .font = kBold},
    {.name = "lblDisclaimer", .kind = Kind::Label, .left = 180, .top = 2580, .width = 3315, .height = 375,
     .caption = kDisclaimer, .font = kSmall},
};
// clang-format on

constexpr LayoutSpec kLayout{
    .caption = "About...",
    .clientWidth = 5100,
    .clientHeight = 3000,
    .font = {"MS Sans Serif", 8.25},
    .icon = "abouticon",
    .dialogBorder = true,
    .controls = kControls,
};

} // namespace

frmAbout::frmAbout()
    : Form(windows::kAbout)
{}

QString frmAbout::mailText()
{
    return QStringLiteral("Wenn Dir etwas nicht gefällt,\r\n"
                          "Du einen Bug gefunden hast,\r\n"
                          "Dir etwas besonders gut gefällt,\r\n"
                          "Du Verbesserungsvorschläge hast,\r\n"
                          "dann mail mir einfach !\r\n\r\n") +
           QString::fromLatin1(kAuthorMail);
}

const LayoutSpec &frmAbout::layout() const
{
    return kLayout;
}

void frmAbout::bind(const BuiltWindow &built)
{
    ui.imgTomate = built.get<Picture>("imgTomate");
    ui.imgIch = built.get<Picture>("imgIch");
    ui.imgIch2 = built.get<Picture>("imgIch2");
    ui.Timer1 = built.timer("Timer1");

    ui.imgTomate->setDragAutomatic(true);
    ui.imgTomate->setAcceptsControlDrops(true);
    ui.imgIch->setAcceptsControlDrops(true);

    connect(built.get<QPushButton>("cmdOK"), &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui.imgTomate, &Picture::dragOver, this, &frmAbout::imgTomate_DragOver);
    connect(ui.imgIch, &Picture::dragDrop, this, &frmAbout::imgIch_DragDrop);
    connect(ui.imgIch, &Picture::clicked, this, &frmAbout::imgIch_Click);
    connect(ui.Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);
}

void frmAbout::unbind()
{
    ui = Ui{};
}

void frmAbout::Form_Load()
{
    m_fall = TomatoFall{};
}

void frmAbout::Form_Unload()
{
    if (modGlobals::aufrufer == windows::kRechnado)
        windows::get(windows::kRechnado).setVisible(true);
    else if (modGlobals::aufrufer == windows::kSparplan)
        windows::get(windows::kSparplan).setVisible(true);
}

void frmAbout::cmdOK_Click()
{
    unload();
}

void frmAbout::imgTomate_DragOver(QWidget * /*source*/)
{
    ui.imgTomate->setVisible(false);
}

void frmAbout::imgIch_DragDrop(QWidget *source)
{
    // Only the tomato can be dragged.
    source->setVisible(false);
    ui.imgIch->setPixmap(ui.imgIch2->pixmap());

    meldung = QStringLiteral("Findest Du das etwa in Ordnung ?");
    platform().messageBox(meldung, QStringLiteral("Hey !"), MsgIcon::Question, MsgButtons::Ok);
    meldung = QStringLiteral("Ich jedenfalls nicht !");
    platform().messageBox(meldung, QStringLiteral("Was soll das ?"), MsgIcon::Information, MsgButtons::Ok);
    meldung = mailText();
    platform().messageBox(meldung, QStringLiteral("Mail me !"), MsgIcon::Information, MsgButtons::Ok);
}

void frmAbout::imgIch_Click()
{
    if (!ui.Timer1->isActive())
        ui.Timer1->start();
}

void frmAbout::Timer1_Timer()
{
    auto left = static_cast<float>(ui.imgTomate->left());
    auto top = static_cast<float>(ui.imgTomate->top());
    const bool goesOn = m_fall.tick(left, top);
    ui.imgTomate->moveTwips(left, top);
    if (!goesOn)
        ui.Timer1->stop();
}

} // namespace rechnado
