// Writes the tomato as PNG icons in the hicolor sizes, scaled from its pixel art without smoothing
// so that it stays crisp. Runs at build time: make_icons OUTPUT_DIR ICON_NAME
// writes OUTPUT_DIR/16x16/apps/ICON_NAME.png and the other sizes beside it.
#include "assets/assets.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_DIR ICON_NAME\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QImage tomato = rechnado::assets::pixmap("tomato").toImage();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage scaled = tomato.scaled(size, size, Qt::KeepAspectRatio, Qt::FastTransformation);
        const QString path = out.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name));
        QDir().mkpath(QFileInfo(path).path());
        if (!scaled.save(path)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
