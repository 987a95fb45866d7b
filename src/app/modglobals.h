#pragma once

#include <QString>

// The one piece of state the windows share.
namespace rechnado::modGlobals {

// Which calculator window opened the About window: "Rechnado" or "Sparplan"; empty until then,
// never reset.
extern QString aufrufer;

} // namespace rechnado::modGlobals
