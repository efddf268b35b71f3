#include "ui/button.h"

#include "ui/qt_convert.h"
#include "ui/window.h"

#include <QPushButton>

namespace ui {

using namespace detail;

Button::Button(Window& window, const std::string& objectName, const Rect& twips,
               const std::string& caption)
    : Control(new QPushButton(escapeMnemonic(toQt(caption)), window.clientArea()), objectName,
              twips) {
    auto* button = static_cast<QPushButton*>(widget_);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (click_) {
            click_();
        }
    });
}

std::string Button::caption() const {
    QString text = static_cast<QPushButton*>(widget_)->text();
    text.replace(QLatin1String("&&"), QLatin1String("&"));
    return fromQt(text);
}

void Button::setBackColor(ColourNumber colour) {
    back_ = colour;
    applyStyle();
}

void Button::setForeColor(ColourNumber colour) {
    fore_ = colour;
    applyStyle();
}

// Native styles ignore a button's palette, so the colours go through a style sheet. A disabled
// button keeps its colour and greys its caption; the focused one shows a dotted border.
void Button::applyStyle() {
    const QString back = back_ ? toQColor(*back_).name() : QStringLiteral("palette(button)");
    const QString fore = fore_ ? toQColor(*fore_).name() : QStringLiteral("palette(button-text)");
    widget_->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2;"
                                          " border: 2px outset %1; }"
                                          "QPushButton:pressed { border-style: inset; }"
                                          "QPushButton:focus { border: 2px dotted #000000; }"
                                          "QPushButton:disabled { color: #808080; }")
                               .arg(back, fore));
}

} // namespace ui
