#pragma once

#include "ui/control.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class Window;
class ListWidget;

// A list of text items addressed by position from 0. The items are kept exactly as added,
// trailing blanks included. A sorted list puts every added item at its place in Windows-1251
// byte order. The selected position is -1 when nothing is selected.
//
// The click handling runs whenever the selection moves to an item: by the learner's mouse or
// keyboard, or by setListIndex() from code, except when that position is already selected.
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

    bool isSorted() const { return sorted_; }
    const std::vector<std::string>& items() const { return items_; }

    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

    void setVisible(bool visible) override;

private:
    friend class ListWidget;
    void learnerSelected(int position);
    void showSelection();

    ListWidget* list_ = nullptr; // made when the list is first shown
    bool sorted_;
    std::vector<std::string> items_;
    std::vector<std::string> keys_; // sort keys, kept for sorted lists only
    int selected_ = -1;
    std::function<void()> click_;
};

} // namespace ui
