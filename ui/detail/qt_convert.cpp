#include "detail/qt_convert.h"

namespace ui::detail {

QString toQt(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQt(const QString& text) {
    return text.toUtf8().toStdString();
}

QColor toQColor(ColourNumber colour) {
    const Rgb rgb = splitColour(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

ColourNumber fromQColor(const QColor& colour) {
    return colourNumber(colour.red(), colour.green(), colour.blue());
}

QFont toQFont(const Font& font) {
    QFont f(toQt(font.face));
    f.setPointSizeF(font.points);
    return f;
}

QRect toPixels(const Rect& twips) {
    return QRect(twipsToPixels(twips.left), twipsToPixels(twips.top), twipsToPixels(twips.width),
                 twipsToPixels(twips.height));
}

QString escapeMnemonic(const QString& caption) {
    QString escaped = caption;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    return escaped;
}

} // namespace ui::detail
