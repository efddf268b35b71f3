#include "settings/settings_record.h"

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

std::string colourReadout(ui::ColourNumber colour) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(colour));
    return "Цвят в 10/16-тичен код = " + std::to_string(colour) + " /H" + hex;
}

} // namespace keb
