#include "ui/picture_box.h"

#include "detail/accessibility.h"
#include "detail/qt_convert.h"
#include "detail/said_once.h"
#include "ui/window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace ui {

using namespace detail;

namespace {

class PictureWidget : public QFrame {
public:
    explicit PictureWidget(QWidget* parent) : QFrame(parent) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
        setAutoFillBackground(true);
        setProperty("kebPicture", true);
    }

    const QImage* image = nullptr;
    std::function<void()> click;

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        const QRect inside = contentsRect();
        if (image) {
            painter.setClipRect(inside);
            painter.drawImage(inside.topLeft(), *image);
        }
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = inside.adjusted(1, 1, -1, -1);
            painter.setClipping(false);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            click) {
            click();
        }
    }

    // Space or Enter on the focused box clicks it, for the keyboard.
    void keyPressEvent(QKeyEvent* event) override {
        if (click && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                      event->key() == Qt::Key_Enter)) {
            click();
            return;
        }
        QFrame::keyPressEvent(event);
    }
};

// A screen reader meets a picture box as a graphic it can press.
class PictureAccessible : public SaidOnce<QAccessibleWidget> {
public:
    explicit PictureAccessible(QWidget* widget) : SaidOnce(widget, QAccessible::Graphic) {
        addControllingSignal(QStringLiteral("destroyed()"));
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (static_cast<PictureWidget*>(widget())->click) {
            names << pressAction();
        }
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            if (auto& click = static_cast<PictureWidget*>(widget())->click) {
                click();
            }
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

} // namespace

QAccessibleInterface* detail::pictureAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("QFrame") && object->isWidgetType() &&
        object->property("kebPicture").toBool()) {
        return new PictureAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

PictureBox::PictureBox(Window& window, const std::string& objectName, const Rect& twips,
                       bool visible)
    : Control(new PictureWidget(window.clientArea()), objectName, twips) {
    // Without a colour of its own a picture box shows the system's button face.
    widget_->setBackgroundRole(QPalette::Button);
    widget_->setVisible(visible);
}

void PictureBox::setPicture(const Picture& picture) {
    if (picture.image() == picture_.image()) {
        return; // the same image, or none again: nothing to redraw
    }
    picture_ = picture;
    static_cast<PictureWidget*>(widget_)->image = picture_.image();
    widget_->update();
}

void PictureBox::onClick(std::function<void()> handler) {
    // A box that does something when clicked takes the keyboard focus too.
    widget_->setFocusPolicy(handler ? Qt::StrongFocus : Qt::NoFocus);
    static_cast<PictureWidget*>(widget_)->click = std::move(handler);
}

} // namespace ui
