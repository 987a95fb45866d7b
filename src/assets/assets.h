#pragma once

#include <QPixmap>

// The program's pictures, drawn for it (see draw.py) and compiled in as XPM text.
namespace rechnado::assets {

// "tomato" (50 x 50), "ich" and "ich2" (50 x 69, the author before and after the hit),
// "abouticon" (16 x 16). An unknown name gives a null pixmap.
QPixmap pixmap(const char *name);

} // namespace rechnado::assets
