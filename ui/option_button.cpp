#include "ui/option_button.h"

#include "detail/qt_convert.h"
#include "ui/window.h"

#include <QRadioButton>
#include <QSignalBlocker>

namespace ui {

using namespace detail;

OptionButton::OptionButton(Window& window, const std::string& objectName, const Rect& twips,
                           bool visible)
    : Control(new QRadioButton(window.clientArea()), objectName, twips) {
    auto* button = static_cast<QRadioButton*>(widget_);
    button->setVisible(visible);
    // A click raises the click handling; so does a change made some other way, such as an
    // assistive technology's Toggle. A click that changes the choice raises it once: the change
    // comes first, then the click, within one press.
    QObject::connect(button, &QRadioButton::pressed, button, [this] { handledToggle_ = false; });
    QObject::connect(button, &QRadioButton::toggled, button, [this](bool on) {
        if (on) {
            handledToggle_ = true;
            if (click_) {
                click_();
            }
        }
    });
    QObject::connect(button, &QRadioButton::clicked, button, [this] {
        if (handledToggle_) {
            handledToggle_ = false;
            return;
        }
        if (click_) {
            click_();
        }
    });
}

bool OptionButton::value() const {
    return static_cast<QRadioButton*>(widget_)->isChecked();
}

void OptionButton::setValue(bool on) {
    const QSignalBlocker block(widget_);
    static_cast<QRadioButton*>(widget_)->setChecked(on);
}

} // namespace ui
