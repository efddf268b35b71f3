#include "ui/picture_box.h"

#include "ui/qt_convert.h"
#include "ui/window.h"

#include <QFrame>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

using namespace detail;

namespace {

class PictureWidget : public QFrame {
public:
    explicit PictureWidget(QWidget* parent) : QFrame(parent) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
        setAutoFillBackground(true);
    }

    const QImage* image = nullptr;
    std::function<void()> click;

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        if (!image) {
            return;
        }
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.setClipRect(inside);
        painter.drawImage(inside.topLeft(), *image);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            click) {
            click();
        }
    }
};

} // namespace

PictureBox::PictureBox(Window& window, const std::string& objectName, const Rect& twips,
                       bool visible)
    : Control(new PictureWidget(window.clientArea()), objectName, twips) {
    // Without a colour of its own a picture box shows the system's button face.
    widget_->setBackgroundRole(QPalette::Button);
    widget_->setVisible(visible);
}

void PictureBox::setPicture(const Picture& picture) {
    picture_ = picture;
    static_cast<PictureWidget*>(widget_)->image = picture_.image();
    widget_->update();
}

void PictureBox::onClick(std::function<void()> handler) {
    static_cast<PictureWidget*>(widget_)->click = std::move(handler);
}

} // namespace ui
