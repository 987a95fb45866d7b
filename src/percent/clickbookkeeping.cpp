#include "percent/clickbookkeeping.h"

#include "app/controls.h"
#include "app/platform.h"
#include "percent/tomatowalk.h"

namespace rechnado {

bool clickBookkeeping(TomatoWalk &walk, Picture &tomato, QString &meldung)
{
    double left = tomato.left();
    double top = tomato.top();
    walk.walk(left, top);
    tomato.moveTwips(left, top);

    if (const std::optional<TomatoWalk::Joke> joke = walk.count()) {
        meldung = joke->text;
        platform().messageBox(meldung, joke->title, joke->icon, MsgButtons::OkHelp);
    }
    return walk.berechnungen < TomatoWalk::kLastPress;
}

} // namespace rechnado
