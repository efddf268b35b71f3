#pragma once

#include <cstdint>
#include <string>

namespace ui {

// A colour as the program stores it: R + 256*G + 65536*B, red in the low byte.
using ColourNumber = std::uint32_t;

// A colour's three components, each 0..255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// Joins the components: R + 256*G + 65536*B.
constexpr ColourNumber colourNumber(int red, int green, int blue) {
    return static_cast<ColourNumber>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr ColourNumber colourNumber(const Rgb& rgb) {
    return colourNumber(rgb.red, rgb.green, rgb.blue);
}

// Splits a colour number: red the lowest byte, green the second, blue the third; a fourth byte
// is ignored.
constexpr Rgb splitColour(ColourNumber c) {
    return Rgb{static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
               static_cast<int>((c >> 16) & 0xFF)};
}

// Sizes and positions are in twips: 1/1440 inch, 15 to a logical pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A size read back in twips: the one that was asked for while the pixels still match it, so that
// 3100 twips, 206.67 pixels, do not read back as 3105.
constexpr int readBack(int askedTwips, int pixels) {
    return twipsToPixels(askedTwips) == pixels ? askedTwips : pixelsToTwips(pixels);
}

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Font {
    std::string face;
    double points = 12.0;
    bool operator==(const Font&) const = default;
};

enum class Align { Left, Centre };

} // namespace ui
