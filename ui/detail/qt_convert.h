#pragma once

// Conversions between the program's plain types and the toolkit's. Used only inside ui/.

#include "ui/types.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

namespace ui::detail {

QString toQt(const std::string& utf8);
std::string fromQt(const QString& text);
QColor toQColor(ColourNumber colour);
ColourNumber fromQColor(const QColor& colour);
QFont toQFont(const Font& font);
QRect toPixels(const Rect& twips);
// "&" in a caption marks a keyboard mnemonic; text that comes from content must show it plainly.
QString escapeMnemonic(const QString& caption);

} // namespace ui::detail
