#include "settings/settings_record.h"

#include "content/numbers.h"

#include <cstdio>

namespace keb {

SettingsRecord defaultRecord() {
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

std::string recordItem(const SettingsRecord& record, int item) {
    return item >= 0 && item < static_cast<int>(record.size())
               ? record[static_cast<std::size_t>(item)]
               : std::string();
}

ui::ColourNumber recordColour(const SettingsRecord& record, int target) {
    const double number = content::leadingNumber(recordItem(record, colourItem(target)));
    return number >= 0 && number <= 4294967295.0 ? static_cast<ui::ColourNumber>(number) : 0;
}

Appearance appearanceOf(const SettingsRecord& record) {
    return {recordColour(record, 0), recordColour(record, 1), recordColour(record, 2),
            recordItem(record, kFontFaceItem),
            content::leadingNumber(recordItem(record, kFontSizeItem))};
}

std::string colourReadout(ui::ColourNumber colour) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(colour));
    return "Цвят в 10/16-тичен код = " + std::to_string(colour) + " /H" + hex;
}

} // namespace keb
