#include "app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace rechnado {

bool installGermanToolkitTexts()
{
    QCoreApplication *app = QCoreApplication::instance();
    const QString name = QStringLiteral("qtbase_de");
    if (app->findChild<QTranslator *>(name))
        return true;
    auto *catalogue = new QTranslator(app);
    catalogue->setObjectName(name);
#ifdef Q_OS_WIN
    // The exe carries the catalogue of the Qt it is linked with and reads no file.
    const bool loaded = catalogue->load(QStringLiteral(":/translations/qtbase_de.qm"));
#else
    // The catalogue of the Qt the program runs with, as the distribution ships and updates it.
    const bool loaded = catalogue->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
#endif
    if (!loaded || !QCoreApplication::installTranslator(catalogue)) {
        delete catalogue;
        return false;
    }
    return true;
}

} // namespace rechnado
