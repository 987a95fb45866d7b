#include "about/frmabout.h"
#include "app/translation.h"
#include "app/windows.h"
#include "percent/frmrechnado.h"
#include "savings/frmsparplan.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(RECHNADO_INTERNAL_NAME));
    QApplication::setApplicationVersion(QStringLiteral(RECHNADO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(RECHNADO_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false); // the windows decide when the program ends
    rechnado::installGermanToolkitTexts();

    rechnado::frmRechnado rechnado;
    rechnado::frmSparplan sparplan;
    rechnado::frmAbout about;
    rechnado::windows::add(rechnado);
    rechnado::windows::add(sparplan);
    rechnado::windows::add(about);

    rechnado.show();
    return QApplication::exec();
}
