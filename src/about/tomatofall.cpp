#include "about/tomatofall.h"

namespace rechnado {

bool TomatoFall::tick(float &left, float &top)
{
    if (!tomateGefallen) {
        if (top < 1545) {
            left -= 25;
            top += 40;
            return true;
        }
        tomateGefallen = true;
        return false;
    }
    if (!tomateRueckkehr) {
        if (top < 2100) {
            top += 10;
            return true;
        }
        // Put it back above the window, so that only its lowest part shows at the top edge.
        tomateRueckkehr = true;
        left = 2930;
        top = -500;
        return true;
    }
    if (top < 414) {
        top += 40;
        return true;
    }
    tomateRueckkehr = false;
    tomateGefallen = false;
    return false;
}

} // namespace rechnado
