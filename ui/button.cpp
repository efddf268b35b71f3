#include "ui/button.h"

#include "detail/qt_convert.h"
#include "ui/window.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace ui {

using namespace detail;

namespace {

// A button drawn in its own colours with a raised bevel, sunken while pressed. Native styles
// ignore a button's palette, and a style sheet would be re-evaluated on every press and focus
// change; painting it here keeps the colours on every style and the clicks cheap.
class ColourButton : public QPushButton {
public:
    ColourButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

    void setBack(const QColor& colour) {
        back_ = colour;
        bevel_ = QPalette(colour); // the light and dark edges, worked out once per colour
        update();
    }
    void setFore(const QColor& colour) {
        fore_ = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect r = rect();
        const bool down = isDown() || isChecked();
        qDrawWinButton(&painter, r, bevel_, down, nullptr);
        painter.fillRect(r.adjusted(2, 2, -2, -2), back_);
        QRect textRect = r.adjusted(3, 3, -3, -3);
        if (down) {
            textRect.translate(1, 1);
        }
        painter.setPen(isEnabled() ? fore_ : QColor(128, 128, 128));
        painter.setFont(font());
        painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = r.adjusted(4, 4, -4, -4);
            focus.backgroundColor = back_;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }

private:
    QColor back_ = QColor(192, 192, 192);
    QColor fore_ = Qt::black;
    QPalette bevel_ = QPalette(back_);
};

} // namespace

Button::Button(Window& window, const std::string& objectName, const Rect& twips,
               const std::string& caption)
    : Control(new ColourButton(escapeMnemonic(toQt(caption)), window.clientArea()), objectName,
              twips) {
    auto* button = static_cast<QPushButton*>(widget_);
    // Enter as well as Space presses the focused button.
    button->setAutoDefault(true);
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
    static_cast<ColourButton*>(widget_)->setBack(toQColor(colour));
}

void Button::setForeColor(ColourNumber colour) {
    fore_ = colour;
    static_cast<ColourButton*>(widget_)->setFore(toQColor(colour));
}

} // namespace ui
