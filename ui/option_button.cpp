#include "ui/option_button.h"

#include "ui/qt_convert.h"
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
    QObject::connect(button, &QRadioButton::clicked, button, [this] {
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
