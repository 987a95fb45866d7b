#include "assets/assets.h"

#include <QPixmapCache>
#include <cstring>

// NOLINTBEGIN: generated picture data
#include "assets/abouticon.xpm"
#include "assets/abouticon_2x.xpm"
#include "assets/ich.xpm"
#include "assets/ich2.xpm"
#include "assets/ich2_2x.xpm"
#include "assets/ich_2x.xpm"
#include "assets/tomato.xpm"
#include "assets/tomato_2x.xpm"
// NOLINTEND

namespace rechnado::assets {

QPixmap pixmap(const char *name, qreal devicePixelRatio)
{
    if (!name)
        return {};
    struct Entry {
        const char *name;
        const char *const *xpm;
        const char *const *xpm2x;
    };
    static constexpr Entry pictures[] = {
        {"tomato", tomato_xpm, tomato_2x_xpm},
        {"ich", ich_xpm, ich_2x_xpm},
        {"ich2", ich2_xpm, ich2_2x_xpm},
        {"abouticon", abouticon_xpm, abouticon_2x_xpm},
    };
    const bool twice = devicePixelRatio >= 2.0;
    // Each picture is read from its XPM text once; a window that shows it twice (as its icon and as
    // the tomato) and every later load share the one copy.
    const QString key = QStringLiteral("rechnado:%1@%2x").arg(QLatin1String(name)).arg(twice ? 2 : 1);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    for (const Entry &entry : pictures) {
        if (std::strcmp(entry.name, name) == 0) {
            cached = QPixmap(twice ? entry.xpm2x : entry.xpm);
            cached.setDevicePixelRatio(twice ? 2.0 : 1.0);
            QPixmapCache::insert(key, cached);
            return cached;
        }
    }
    return {};
}

QIcon icon(const char *name)
{
    QIcon icon(pixmap(name));
    icon.addPixmap(pixmap(name, 2.0));
    return icon;
}

} // namespace rechnado::assets
