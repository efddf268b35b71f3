#include "ui/platform.h"

#include "detail/qt_convert.h"

#include <QCoreApplication>
#include <QFontDatabase>

namespace ui {

Platform::~Platform() = default;

void ToolkitPlatform::endProcess() {
    QCoreApplication::exit(0);
}

std::vector<std::string> ToolkitPlatform::fontFamilies() const {
    std::vector<std::string> names;
    const QStringList families = QFontDatabase::families();
    names.reserve(static_cast<std::size_t>(families.size()));
    for (const QString& family : families) {
        names.push_back(detail::fromQt(family));
    }
    return names;
}

} // namespace ui
