#include "assets/assets.h"

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
    for (const Entry &entry : pictures)
        if (std::strcmp(entry.name, name) == 0)
            return QPixmap(entry.xpm);
    return {};
}

} // namespace rechnado::assets
