#pragma once

namespace ui {
class ListBox;
}

namespace keb {

struct Appearance;

// What the colour and font window works on in the quiz window: the settings record it edits, and
// what its "Запис" applies.
class AppearanceTarget {
public:
    virtual ~AppearanceTarget() = default;
    // The settings record: the quiz window's hidden list Cweta(0).
    virtual ui::ListBox& record() = 0;
    // Applies the appearance, in the order "Запис" has always applied it.
    virtual void applyAppearance(const Appearance& appearance) = 0;
};

} // namespace keb
