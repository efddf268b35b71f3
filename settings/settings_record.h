#pragma once

#include "quiz/appearance.h"
#include "ui/types.h"

#include <string>
#include <vector>

namespace keb {

// The appearance of the quiz window as 19 text items, kept in the quiz window's hidden list
// Cweta(0) for the life of the process:
//   0 a caption, 1 font face, 2 font size in points, then four colour blocks for the targets
//   0 window background, 1 text-box background, 2 text colour, 3 button background:
//   item 4t+3 the colour number, items 4t+4..4t+6 its red, green and blue.
// The colour number is what counts; the components are worked out from it whenever the settings
// window opens.
using SettingsRecord = std::vector<std::string>;
SettingsRecord defaultRecord();

// The settings window's hidden copy of an older layout of the record; nothing reads it.
std::vector<std::string> hiddenRecordCopy();

constexpr int kFontFaceItem = 1;
constexpr int kFontSizeItem = 2;
constexpr int kColourTargets = 4;
constexpr int colourItem(int target) {
    return 4 * target + 3;
}
constexpr int componentItem(int target, int component) {
    return 4 * target + 4 + component;
}

// The item of a record, or an empty text for one it does not have.
std::string recordItem(const SettingsRecord& record, int item);
// A target's colour number. Only slider moves write the colour items, as colour numbers; a text
// that is none reads as black rather than as a number the colour cannot hold.
ui::ColourNumber recordColour(const SettingsRecord& record, int target);
// What "Запис" applies to the quiz window: the colours of the first three targets, the font face
// and its size in points.
Appearance appearanceOf(const SettingsRecord& record);

// "Цвят в 10/16-тичен код = " with the number in decimal, then " /H" and in upper-case hex.
std::string colourReadout(ui::ColourNumber colour);

} // namespace keb
