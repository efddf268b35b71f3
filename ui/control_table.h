#pragma once

#include "ui/control_array.h"
#include "ui/slider.h"
#include "ui/text_box.h"
#include "ui/types.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace ui {

class Button;
class Control;
class Label;
class ListBox;
class OptionButton;
class PictureBox;
class Window;

// One row of a window's control table: a control, or a run of elements of a control array, with
// where it stands and how it reads. What kind of control it is comes from where it goes.
struct ControlRow {
    const char* name; // the control's, or its array's
    int index = -1;   // -1: a single control; else the element, or the first of a run
    int last = -1;    // the last element of a run; -1: the element alone
    Rect twips{};
    const char* caption = ""; // a button's or a label's
    const char* toolTip = nullptr;
    std::optional<ColourNumber> background{};
    std::optional<ColourNumber> textColour{};
    bool visible = true;
    const Font* font = nullptr; // null: the table's
    const char* accessibleName = nullptr;
    bool sorted = false; // a list that keeps its items in order
    TextBox::Options text{};
    Slider::Options slider{};
};

// Makes a window's controls from its table, in the table's order, which is the tab order: each
// into the array element or the single control its name says.
class ControlTable {
public:
    // The controls take the font given, unless their row names another; with none, the window's.
    explicit ControlTable(Window& window, const Font* font = nullptr)
        : window_(window), font_(font) {}

    template <class T> ControlTable& array(const char* name, ControlArray<T>& elements) {
        places_[name] = [this, &elements](const ControlRow& row, int index) -> Control& {
            return elements.set(index, make<T>(elementName(row.name, index), row));
        };
        return *this;
    }
    // A single control, held by a unique_ptr (or one that propagates const).
    template <class Holder> ControlTable& single(const char* name, Holder& holder) {
        places_[name] = [this, &holder](const ControlRow& row, int) -> Control& {
            holder = make<typename Holder::element_type>(row.name, row);
            return *holder.get();
        };
        return *this;
    }

    void make(std::span<const ControlRow> rows);

private:
    // Made for the kinds of control declared below.
    template <class T> std::unique_ptr<T> make(const std::string& name, const ControlRow& row);

    Window& window_;
    const Font* font_;
    std::map<std::string, std::function<Control&(const ControlRow&, int)>> places_;
};

template <> std::unique_ptr<ListBox> ControlTable::make(const std::string&, const ControlRow&);
template <> std::unique_ptr<Button> ControlTable::make(const std::string&, const ControlRow&);
template <> std::unique_ptr<Label> ControlTable::make(const std::string&, const ControlRow&);
template <> std::unique_ptr<TextBox> ControlTable::make(const std::string&, const ControlRow&);
template <> std::unique_ptr<PictureBox> ControlTable::make(const std::string&, const ControlRow&);
template <> std::unique_ptr<Slider> ControlTable::make(const std::string&, const ControlRow&);
template <> std::unique_ptr<OptionButton> ControlTable::make(const std::string&, const ControlRow&);

} // namespace ui
