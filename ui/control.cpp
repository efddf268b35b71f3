#include "ui/control.h"

#include "detail/qt_convert.h"

#include <QFontInfo>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace ui {

using namespace detail;

namespace {

// The widget's property that names the control steering it.
constexpr char kControl[] = "kebControl";

} // namespace

Control::Control(QWidget* widget, const std::string& objectName, const Rect& twips)
    : widget_(widget) {
    widget_->setObjectName(toQt(objectName));
    widget_->setProperty(kControl, QVariant::fromValue(static_cast<void*>(this)));
    setGeometry(twips);
}

Control* Control::of(const QWidget* widget) {
    return widget ? static_cast<Control*>(widget->property(kControl).value<void*>()) : nullptr;
}

Control::~Control() = default;

void Control::setVisible(bool visible) {
    widget_->setVisible(visible);
}

bool Control::isVisible() const {
    return !widget_->isHidden();
}

void Control::setEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

bool Control::isEnabled() const {
    return widget_->isEnabled();
}

void Control::setToolTip(const std::string& text) {
    widget_->setToolTip(toQt(text));
    if (!hasCaption() && !named_) {
        widget_->setAccessibleName(toQt(text).trimmed());
    }
}

void Control::setAccessibleName(const std::string& name) {
    widget_->setAccessibleName(toQt(name));
    named_ = true;
}

void Control::setFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
}

bool Control::hasFocus() const {
    return widget_->hasFocus();
}

std::string Control::toolTip() const {
    return fromQt(widget_->toolTip());
}

void Control::setGeometry(const Rect& twips) {
    asked_ = twips;
    widget_->setGeometry(toPixels(twips));
}

Rect Control::geometry() const {
    const QRect g = widget_->geometry();
    return Rect{readBack(asked_.left, g.x()), readBack(asked_.top, g.y()),
                readBack(asked_.width, g.width()), readBack(asked_.height, g.height())};
}

void Control::setLeft(int twips) {
    asked_.left = twips;
    widget_->move(twipsToPixels(twips), widget_->y());
}

void Control::setWidth(int twips) {
    asked_.width = twips;
    widget_->resize(twipsToPixels(twips), widget_->height());
}

void Control::setSize(int widthTwips, int heightTwips) {
    asked_.width = widthTwips;
    asked_.height = heightTwips;
    widget_->resize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

void Control::setFont(const Font& font) {
    widget_->setFont(toQFont(font));
}

void Control::setFontFace(const std::string& face) {
    QFont f = widget_->font();
    f.setFamilies({toQt(face)});
    widget_->setFont(f);
}

void Control::setFontSize(double points) {
    if (!(points > 0)) {
        return; // no font has such a size; the control keeps the one it has
    }
    QFont f = widget_->font();
    f.setPointSizeF(points);
    widget_->setFont(f);
}

Font Control::font() const {
    const QFont f = widget_->font();
    return Font{fromQt(f.family()), f.pointSizeF()};
}

double Control::effectiveFontSize() const {
    return QFontInfo(widget_->font()).pointSizeF();
}

void Control::setBackColor(ColourNumber colour) {
    back_ = colour;
    applyPaletteColours();
}

ColourNumber Control::backColor() const {
    if (back_) {
        return *back_;
    }
    return fromQColor(widget_->palette().color(widget_->backgroundRole()));
}

void Control::setForeColor(ColourNumber colour) {
    fore_ = colour;
    applyPaletteColours();
}

ColourNumber Control::foreColor() const {
    if (fore_) {
        return *fore_;
    }
    return fromQColor(widget_->palette().color(widget_->foregroundRole()));
}

// Everything a control's setters write to its widget, read from the widget it has.
void Control::replaceWidget(QWidget* replacement) {
    QWidget* old = widget_;
    replacement->setObjectName(old->objectName());
    replacement->setProperty(kControl, old->property(kControl));
    replacement->setGeometry(old->geometry());
    replacement->setEnabled(old->isEnabled());
    replacement->setToolTip(old->toolTip());
    replacement->setAccessibleName(old->accessibleName());
    if (old->testAttribute(Qt::WA_SetFont)) {
        replacement->setFont(old->font());
    }
    QWidget::setTabOrder(old, replacement);
    widget_ = replacement;
    delete old;
    if (back_ || fore_) {
        applyPaletteColours();
    }
}

void Control::applyPaletteColours() {
    QPalette p = widget_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (back_) {
            const QColor c = toQColor(*back_);
            p.setColor(group, QPalette::Window, c);
            p.setColor(group, QPalette::Base, c);
            p.setColor(group, QPalette::Button, c);
        }
        if (fore_ && group != QPalette::Disabled) {
            const QColor c = toQColor(*fore_);
            p.setColor(group, QPalette::WindowText, c);
            p.setColor(group, QPalette::Text, c);
            p.setColor(group, QPalette::ButtonText, c);
        }
    }
    widget_->setPalette(p);
    if (back_) {
        widget_->setAutoFillBackground(true);
    }
}

} // namespace ui
