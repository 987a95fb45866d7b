#pragma once

namespace rechnado {

// The tomato's fall through the About window, one timer tick at a time, free of widgets.
//
// Three legs, chosen by the two flags: the first fall (down and to the left), the second fall (slowly
// down), and the return from above the window. Each leg tests first and moves second, so the tomato
// passes its threshold by up to one step before the leg ends. Positions are single-precision twips.
class TomatoFall {
public:
    // One tick: moves the tomato or ends a leg. Returns false when the timer is to stop.
    bool tick(float &left, float &top);

    bool tomateGefallen = false;  // the first fall is over; the next leg is the second fall
    bool tomateRueckkehr = false; // the tomato drops in from above the window
};

} // namespace rechnado
