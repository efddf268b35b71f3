#include "settings/settings_record.h"

#include <cstdint>
#include <cstdio>

namespace keb {

std::vector<std::string> defaultRecord() {
    return {"всичко това е за управление на цветове",
            "Times New Roman",
            "12",
            "128",
            "128",
            "0",
            "0",
            "16777215",
            "0",
            "128",
            "0",
            "8",
            "8",
            "0",
            "0",
            "192",
            "192",
            "0",
            "0"};
}

std::vector<std::string> hiddenRecordCopy() {
    return {"Times New Roman",
            "",
            "12",
            "8421504",
            "128",
            "128",
            "128",
            "13158600",
            "200",
            "200",
            "200",
            "13486794",
            "0",
            "0",
            "0",
            "13486794",
            "202",
            "202",
            "202"};
}

Rgb cwetowe_RGB(long long colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    return Rgb{static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
               static_cast<int>((bits >> 16) & 0xFF)};
}

long long formColour(const Rgb& rgb) {
    return rgb.red + 256LL * rgb.green + 65536LL * rgb.blue;
}

std::string colourReadout(long long colour) {
    char hex[32];
    std::snprintf(hex, sizeof hex, "%llX", static_cast<unsigned long long>(colour));
    return "Цвят в 10/16-тичен код = " + std::to_string(colour) + " /H" + hex;
}

} // namespace keb
