#include "ui/picture.h"

#include "detail/qt_convert.h"

#include <QImage>

namespace ui {

Picture Picture::fromImage(const QImage& image) {
    Picture p;
    if (!image.isNull()) {
        p.image_ = std::make_shared<const QImage>(image);
    }
    return p;
}

Picture Picture::filled(int widthPixels, int heightPixels, ColourNumber colour) {
    QImage image(widthPixels, heightPixels, QImage::Format_RGB32);
    image.fill(detail::toQColor(colour));
    return fromImage(image);
}

} // namespace ui
