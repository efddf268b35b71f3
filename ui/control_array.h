#pragma once

#include <cassert>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// The name of element index of a control array: "Slowo_1" for Slowo(1).
inline std::string elementName(const char* name, int index) {
    return std::string(name) + "_" + std::to_string(index);
}

// Like controls addressed by index, as Slowo(0), Slowo(1), Slowo(2). Elements may be created out
// of index order, since creation order is tab order.
template <typename T> class ControlArray {
public:
    T& operator[](int index) { return *at(index); }
    const T& operator[](int index) const { return *at(index); }
    T& set(int index, std::unique_ptr<T> control) {
        if (index >= size()) {
            items_.resize(static_cast<std::size_t>(index) + 1);
        }
        items_[static_cast<std::size_t>(index)] = std::move(control);
        return *items_[static_cast<std::size_t>(index)];
    }
    int size() const { return static_cast<int>(items_.size()); }

private:
    const std::unique_ptr<T>& at(int index) const {
        assert(index >= 0 && index < size() && items_[static_cast<std::size_t>(index)]);
        return items_[static_cast<std::size_t>(index)];
    }

    std::vector<std::unique_ptr<T>> items_;
};

} // namespace ui
