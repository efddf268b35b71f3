#include "ui/option_button.h"

#include "detail/accessibility.h"
#include "detail/guarded_accessible.h"
#include "detail/qt_convert.h"
#include "detail/said_once.h"
#include "ui/window.h"

#include <QAccessibleWidget>
#include <QRadioButton>
#include <QSignalBlocker>

namespace ui {

using namespace detail;

namespace {

// An option button for assistive technology, as the toolkit's own reads it (a radio button,
// checked or not, whose Toggle chooses it), named by its tooltip only once.
class OptionAccessible : public SaidOnce<QAccessibleWidget> {
public:
    explicit OptionAccessible(QRadioButton* button) : SaidOnce(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = SaidOnce::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override {
        return button()->isEnabled() ? QStringList{toggleAction()} + SaidOnce::actionNames()
                                     : SaidOnce::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == toggleAction() && button()->isEnabled()) {
            button()->toggle();
            return;
        }
        SaidOnce::doAction(name);
    }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

} // namespace

QAccessibleInterface* detail::optionAccessible(const QString&, QObject* object) {
    auto* button = qobject_cast<QRadioButton*>(object);
    return button && button->property("kebOption").toBool() ? new OptionAccessible(button)
                                                            : nullptr;
}

OptionButton::OptionButton(Window& window, const std::string& objectName, const Rect& twips,
                           bool visible)
    : Control(new QRadioButton(window.clientArea()), objectName, twips) {
    auto* button = static_cast<QRadioButton*>(widget_);
    button->setProperty("kebOption", true);
    forgetEarlyInterface(button);
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
