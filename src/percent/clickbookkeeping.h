#pragma once

#include <QString>

namespace rechnado {

class Picture;
class TomatoWalk;

// The start of every press of "Berechnen !" in a calculator window: the tomato walks one leg (it
// moves on screen once, at the end of the leg), the press is counted and any joke box due is shown.
// Returns false at the last press: the window must then unload itself and end the program.
bool clickBookkeeping(TomatoWalk &walk, Picture &tomato, QString &meldung);

} // namespace rechnado
