#pragma once

namespace rechnado {

// Installs Qt's own German catalogue, so that what the toolkit itself writes (a field's context
// menu, the standard buttons of a message box) is German like every text of Rechnado's, whatever
// the user's language. Number, date and time texts still follow the regional settings. Returns
// whether the catalogue was found; without it those texts stay English. Installing twice is harmless.
bool installGermanToolkitTexts();

} // namespace rechnado
