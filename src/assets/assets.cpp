#include "assets/assets.h"

#include <QPixmapCache>
#include <cstring>

// NOLINTBEGIN: generated picture data
#include "assets/abouticon.xpm"
#include "assets/ich.xpm"
#include "assets/ich2.xpm"
#include "assets/tomato.xpm"
// NOLINTEND

namespace rechnado::assets {

QPixmap pixmap(const char *name)
{
    if (!name)
        return {};
    struct Entry {
        const char *name;
        const char *const *xpm;
    };
    static constexpr Entry pictures[] = {
        {"tomato", tomato_xpm},
        {"ich", ich_xpm},
        {"ich2", ich2_xpm},
        {"abouticon", abouticon_xpm},
    };
    // Each picture is read from its XPM text once; a window that shows it twice (as its icon and as
    // the tomato) and every later load share the one copy.
    const QString key = QStringLiteral("rechnado:") + QLatin1String(name);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    for (const Entry &entry : pictures) {
        if (std::strcmp(entry.name, name) == 0) {
            cached = QPixmap(entry.xpm);
            QPixmapCache::insert(key, cached);
            return cached;
        }
    }
    return {};
}

} // namespace rechnado::assets
