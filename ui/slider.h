#pragma once

#include "ui/control.h"

#include <functional>
#include <string>

namespace ui {

class Window;

// A horizontal slider with a tick at every value.
class Slider : public Control {
public:
    struct Options {
        int minimum = 0;
        int maximum = 10;
        int smallStep = 1;
        int largeStep = 2;
    };

    Slider(Window& window, const std::string& objectName, const Rect& twips, Options options);

    int value() const;
    // A position set from code is not a learner's move: no move notification runs.
    void setValue(int value);
    // Runs on every step the learner makes: a drag, a click on the track or a key.
    void onScroll(std::function<void()> handler) { scroll_ = std::move(handler); }

private:
    std::function<void()> scroll_;
};

} // namespace ui
