#pragma once

#include "ui/types.h"

namespace keb {

// The default font of every window of the program: Times New Roman, 12 points, Cyrillic. On Linux
// fontconfig puts its metric twin Liberation Serif in its place.
inline const ui::Font kWindowFont{"Times New Roman", 12.0};

} // namespace keb
