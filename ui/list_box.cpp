#include "ui/list_box.h"

#include "detail/list_widget.h"
#include "detail/qt_convert.h"
#include "ui/cp1251.h"
#include "ui/window.h"

#include <algorithm>

namespace ui {

using namespace detail;

// A hidden list is only data, kept here; until it is first shown a plain placeholder stands in
// for the toolkit's list, which is far dearer to make.
ListBox::ListBox(Window& window, const std::string& objectName, const Rect& twips, Options options)
    : Control(new QWidget(window.clientArea()), objectName, twips), sorted_(options.sorted) {
    widget_->setVisible(false);
    setVisible(options.visible);
}

void ListBox::setVisible(bool visible) {
    if (visible && !list_) {
        list_ = new ListWidget(widget_->parentWidget(), *this);
        replaceWidget(list_);
        const ListWidget::Quiet quiet(*list_);
        for (const std::string& text : items_) {
            list_->addItem(toQt(text));
        }
        showSelection();
    }
    Control::setVisible(visible);
}

std::string ListBox::item(int position) const {
    if (position < 0 || position >= count()) {
        return {};
    }
    return items_[static_cast<std::size_t>(position)];
}

void ListBox::setItem(int position, const std::string& text) {
    if (position < 0 || position >= count()) {
        return;
    }
    items_[static_cast<std::size_t>(position)] = text;
    if (sorted_) {
        keys_[static_cast<std::size_t>(position)] = sortKey(text);
    }
    if (list_) {
        const ListWidget::Quiet quiet(*list_);
        list_->item(position)->setText(toQt(text));
    }
}

void ListBox::addItem(const std::string& text) {
    auto position = items_.size();
    if (sorted_) {
        std::string key = sortKey(text);
        // After any equal items, so equal texts keep the order in which they came.
        position = static_cast<std::size_t>(std::upper_bound(keys_.begin(), keys_.end(), key) -
                                            keys_.begin());
        keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(position), std::move(key));
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position), text);
    if (selected_ >= static_cast<int>(position)) {
        ++selected_;
    }
    if (list_) {
        const ListWidget::Quiet quiet(*list_);
        list_->insertItem(static_cast<int>(position), toQt(text));
        showSelection();
    }
}

void ListBox::removeItem(int position) {
    if (position < 0 || position >= count()) {
        return;
    }
    items_.erase(items_.begin() + position);
    if (sorted_) {
        keys_.erase(keys_.begin() + position);
    }
    if (selected_ == position) {
        selected_ = -1;
    } else if (selected_ > position) {
        --selected_;
    }
    if (list_) {
        const ListWidget::Quiet quiet(*list_);
        // The toolkit's list would choose the next row for a current row that goes, and tell
        // assistive technology so, before the selection is put right: it goes unchosen.
        if (list_->currentRow() == position) {
            list_->clearSelection();
            list_->setCurrentRow(-1);
        }
        delete list_->takeItem(position);
        showSelection();
    }
}

void ListBox::clear() {
    items_.clear();
    keys_.clear();
    selected_ = -1;
    if (list_) {
        const ListWidget::Quiet quiet(*list_);
        list_->clear();
    }
}

void ListBox::setListIndex(int position) {
    if (position < -1 || position >= count()) {
        return;
    }
    if (position == selected_) {
        return;
    }
    selected_ = position;
    showSelection();
    if (selected_ >= 0) {
        raiseClick();
    }
}

void ListBox::learnerSelected(int position) {
    const bool moved = position != selected_;
    selected_ = position;
    showSelection(); // one selected row, whoever chose this one
    if (moved) {
        raiseClick();
    }
}

void ListBox::learnerClicked(int position) {
    if (position < 0 || position >= count()) {
        return;
    }
    if (position != selected_) {
        selected_ = position;
        showSelection();
    }
    raiseClick();
}

void ListBox::raiseClick() {
    ++clicks_;
    if (click_) {
        click_();
    }
}

void ListBox::showSelection() {
    if (!list_) {
        return;
    }
    const ListWidget::Quiet quiet(*list_);
    if (selected_ < 0) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
        return;
    }
    list_->setCurrentRow(selected_, QItemSelectionModel::ClearAndSelect);
    list_->scrollToItem(list_->item(selected_));
}

} // namespace ui
