#pragma once

#include "ui/types.h"

#include <string>

namespace keb {

// What "Запис" applies to the quiz window: its background; the background and text colour of its
// lists, explanation box and counter; the font face and size of its lists and explanation box.
struct Appearance {
    ui::ColourNumber windowBackground = 0;
    ui::ColourNumber textBackground = 0;
    ui::ColourNumber textColour = 0;
    std::string fontFace;
    double fontPoints = 0;
};

} // namespace keb
