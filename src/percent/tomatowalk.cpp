#include "percent/tomatowalk.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rechnado {

namespace {

std::int16_t toInt16(double value)
{
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(value), lo, hi));
}

struct Leg {
    bool horizontal;
    int direction; // -1 or +1
    int bound;
};

// The bounds lie one unit inside where each leg stops.
constexpr Leg kLegs[4] = {
    {true, -1, 920},  // left while tomatePos >= 920
    {false, -1, 230}, // up while tomatePos >= 230
    {true, +1, 2300}, // right while tomatePos <= 2300
    {false, +1, 570}, // down while tomatePos <= 570
};

} // namespace

void TomatoWalk::walk(double &left, double &top)
{
    if (tomatePhase > 3)
        tomatePhase = 0;
    const Leg &leg = kLegs[tomatePhase];
    double &coordinate = leg.horizontal ? left : top;
    tomatePos = toInt16(coordinate);
    const auto goesOn = [&] { return leg.direction < 0 ? tomatePos >= leg.bound : tomatePos <= leg.bound; };
    while (goesOn()) {
        coordinate += leg.direction;
        tomatePos = static_cast<std::int16_t>(tomatePos + leg.direction);
    }
    ++tomatePhase;
}

std::optional<TomatoWalk::Joke> TomatoWalk::count()
{
    ++berechnungen;
    return jokeAt(berechnungen);
}

std::optional<TomatoWalk::Joke> TomatoWalk::jokeAt(int count)
{
    const QString title = QStringLiteral("Berechnungen: %1").arg(count);
    switch (count) {
    case 15:
        return Joke{QStringLiteral("Freut mich, dass Dir das Programm so gut gefällt !\r\n\n\r"
                                   "              ... und das ist auch gut so !"),
                    title, MsgIcon::None};
    case 30:
        return Joke{QStringLiteral("Du bist aber ganz schön eifrig !"), title, MsgIcon::Information};
    case 50:
        return Joke{QStringLiteral("OK, ich denke langsam solltest Du statt mit der\r\n"
                                   "Tomate lieber mit etwas Anständigem spielen ;-)"),
                    title, MsgIcon::Question};
    case 100:
        return Joke{QStringLiteral("Achtung !\r\nDie Tomate wird langsam matschig !"), title,
                    MsgIcon::Exclamation};
    case kLastPress:
        return Joke{QStringLiteral("Zu spät !\r\nJetzt habe ich keine Lust mehr !"), title,
                    MsgIcon::Critical};
    default:
        break;
    }
    return std::nullopt;
}

} // namespace rechnado
