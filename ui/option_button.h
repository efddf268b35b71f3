#pragma once

#include "ui/control.h"

#include <functional>
#include <string>

namespace ui {

class Window;

// A round option button; the option buttons of one window exclude each other.
class OptionButton : public Control {
public:
    OptionButton(Window& window, const std::string& objectName, const Rect& twips, bool visible);

    bool value() const;
    // Set from code: no click handling runs.
    void setValue(bool on);
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

private:
    std::function<void()> click_;
    bool handledToggle_ = false; // a click's own change of the choice has run the handling
};

} // namespace ui
