#pragma once

#include "ui/control.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class Window;
namespace detail {
class ListWidget;
}

// A list of text items addressed by position from 0. The items are kept exactly as added,
// trailing blanks included. A sorted list puts every added item at its place in Windows-1251
// byte order. The selected position is -1 when nothing is selected.
//
// The click handling runs on every click of the learner's on an item, even the one already
// selected; when the learner's keys move the selection; and when setListIndex() from code moves
// it. Setting from code the position the list already has raises nothing.
// The items live here; the toolkit's list shows them while the list is visible.
class ListBox : public Control {
public:
    struct Options {
        bool sorted = false;
        bool visible = true;
    };

    ListBox(Window& window, const std::string& objectName, const Rect& twips, Options options);

    int count() const { return static_cast<int>(items_.size()); }
    // The item at a position; a position outside the list reads as an empty text.
    std::string item(int position) const;
    void setItem(int position, const std::string& text);
    void addItem(const std::string& text);
    void removeItem(int position);
    void clear();

    int listIndex() const { return selected_; }
    void setListIndex(int position);

    const std::vector<std::string>& items() const { return items_; }

    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

    void setVisible(bool visible) override;

private:
    friend class detail::ListWidget;
    // The learner moved the selection to the position: with the mouse, the keys or an
    // assistive technology.
    void learnerSelected(int position);
    // The learner clicked the item at the position, also when it is selected already.
    void learnerClicked(int position);
    void raiseClick();
    void showSelection();

    detail::ListWidget* list_ = nullptr; // made when the list is first shown
    bool sorted_;
    std::vector<std::string> items_;
    std::vector<std::string> keys_; // sort keys, kept for sorted lists only
    int selected_ = -1;
    unsigned clicks_ = 0; // click handlings raised so far
    std::function<void()> click_;
};

} // namespace ui
