#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn for it (see draw.py) and compiled in as XPM text.
namespace rechnado::assets {

// "tomato" (50 x 50), "ich" and "ich2" (50 x 69, the author before and after the hit),
// "abouticon" (16 x 16). An unknown name gives a null pixmap.
//
// Where the screen has a device pixel ratio of 2 or more, the drawing at twice the size is given,
// with that ratio set: it takes the same room, in finer pixels.
QPixmap pixmap(const char *name, qreal devicePixelRatio = 1.0);

// Both drawings of a picture, for a window icon.
QIcon icon(const char *name);

} // namespace rechnado::assets
