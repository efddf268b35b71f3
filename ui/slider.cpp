#include "ui/slider.h"

#include "detail/guarded_accessible.h"
#include "detail/qt_convert.h"
#include "detail/steady_palette.h"
#include "ui/window.h"

#include <QSignalBlocker>
#include <QSlider>

namespace ui {

using namespace detail;

namespace {

QSlider* makeSlider(QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    offerNumericValue(slider); // before anything asks for its interface
    return slider;
}

} // namespace

Slider::Slider(Window& window, const std::string& objectName, const Rect& twips, Options options)
    : Control(makeSlider(window.clientArea()), objectName, twips) {
    auto* slider = static_cast<QSlider*>(widget_);
    slider->setRange(options.minimum, options.maximum);
    slider->setSingleStep(options.smallStep);
    slider->setPageStep(options.largeStep);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setTracking(true);
    holdSteadyPalette(slider);
    QObject::connect(slider, &QSlider::valueChanged, slider, [this] {
        if (scroll_) {
            scroll_();
        }
    });
}

int Slider::value() const {
    return static_cast<QSlider*>(widget_)->value();
}

void Slider::setValue(int value) {
    const QSignalBlocker block(widget_);
    static_cast<QSlider*>(widget_)->setValue(value);
}

} // namespace ui
