#pragma once

#include "app/platform.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace rechnado {

// The tomato walk and the calculation counter of a calculator window, free of widgets.
//
// Every press of "Berechnen !" first walks the tomato one leg along a rectangle inside the window's
// frame (0 left, 1 up, 2 right, 3 down), step by step, each leg ending one unit beyond its bound;
// then it counts the press. At certain counts a joke box comments on the user's zeal, and the last
// press ends the program. Each calculator window has its own TomatoWalk for the whole run.
class TomatoWalk {
public:
    static constexpr std::int16_t kLastPress = 125;

    struct Joke {
        QString text;
        QString title;
        MsgIcon icon;
    };

    // Walks one leg: left and top are the tomato's position in twips, read and written at every step.
    void walk(double &left, double &top);
    // Counts one press and returns the joke box due at the new count, if any.
    std::optional<Joke> count();

    static std::optional<Joke> jokeAt(int count);

    std::int16_t tomatePhase = 0;  // the leg the next press walks
    std::int16_t tomatePos = 0;    // the loop counter of the leg being walked
    std::int16_t berechnungen = 0; // presses so far
};

} // namespace rechnado
