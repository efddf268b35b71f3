#include "ui/control_table.h"

#include "ui/button.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/option_button.h"
#include "ui/picture_box.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

template <>
std::unique_ptr<ListBox> ControlTable::make(const std::string& name, const ControlRow& row) {
    return std::make_unique<ListBox>(window_, name, row.twips,
                                     ListBox::Options{row.sorted, row.visible});
}

template <>
std::unique_ptr<Button> ControlTable::make(const std::string& name, const ControlRow& row) {
    return std::make_unique<Button>(window_, name, row.twips, row.caption);
}

// Every label of the program is centred.
template <>
std::unique_ptr<Label> ControlTable::make(const std::string& name, const ControlRow& row) {
    auto label = std::make_unique<Label>(window_, name, row.twips, row.caption, Align::Centre);
    if (!row.visible) {
        label->setVisible(false);
    }
    return label;
}

template <>
std::unique_ptr<TextBox> ControlTable::make(const std::string& name, const ControlRow& row) {
    TextBox::Options options = row.text;
    options.visible = row.visible;
    return std::make_unique<TextBox>(window_, name, row.twips, options);
}

template <>
std::unique_ptr<PictureBox> ControlTable::make(const std::string& name, const ControlRow& row) {
    return std::make_unique<PictureBox>(window_, name, row.twips, row.visible);
}

template <>
std::unique_ptr<Slider> ControlTable::make(const std::string& name, const ControlRow& row) {
    return std::make_unique<Slider>(window_, name, row.twips, row.slider);
}

template <>
std::unique_ptr<OptionButton> ControlTable::make(const std::string& name, const ControlRow& row) {
    return std::make_unique<OptionButton>(window_, name, row.twips, row.visible);
}

void ControlTable::make(std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        const auto place = places_.find(row.name);
        if (place == places_.end()) {
            throw std::logic_error(std::string("no place for the control ") + row.name);
        }
        for (int index = row.index; index <= std::max(row.index, row.last); ++index) {
            Control& control = place->second(row, index);
            if (const Font* font = row.font ? row.font : font_) {
                control.setFont(*font);
            }
            if (row.background) {
                control.setBackColor(*row.background);
            }
            if (row.textColour) {
                control.setForeColor(*row.textColour);
            }
            if (row.toolTip) {
                control.setToolTip(row.toolTip);
            }
            if (row.accessibleName) {
                control.setAccessibleName(row.accessibleName);
            }
        }
    }
}

} // namespace ui
