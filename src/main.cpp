#include "about/frmabout.h"
#include "app/windows.h"
#include "percent/frmrechnado.h"
#include "savings/frmsparplan.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rechnado"));
    QApplication::setApplicationVersion(QStringLiteral(RECHNADO_VERSION));
    QApplication::setQuitOnLastWindowClosed(false); // the windows decide when the program ends

    rechnado::frmRechnado rechnado;
    rechnado::frmSparplan sparplan;
    rechnado::frmAbout about;
    for (rechnado::Form *form :
         {static_cast<rechnado::Form *>(&rechnado), static_cast<rechnado::Form *>(&sparplan),
          static_cast<rechnado::Form *>(&about)})
        rechnado::windows::add(*form);

    rechnado.show();
    return QApplication::exec();
}
