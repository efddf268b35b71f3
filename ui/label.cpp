#include "ui/label.h"

#include "detail/qt_convert.h"
#include "ui/window.h"

#include <QLabel>

namespace ui {

using namespace detail;

Label::Label(Window& window, const std::string& objectName, const Rect& twips,
             const std::string& caption, Align align)
    : Control(new QLabel(window.clientArea()), objectName, twips), caption_(caption) {
    auto* label = static_cast<QLabel*>(widget_);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align == Align::Centre ? Qt::AlignHCenter | Qt::AlignTop
                                               : Qt::AlignLeft | Qt::AlignTop);
    label->setText(toQt(caption));
}

void Label::setCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<QLabel*>(widget_)->setText(toQt(caption));
}

} // namespace ui
