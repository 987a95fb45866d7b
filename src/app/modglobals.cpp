#include "app/modglobals.h"

namespace rechnado::modGlobals {

QString aufrufer; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables): shared by design

} // namespace rechnado::modGlobals
