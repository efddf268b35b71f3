#include "detail/steady_palette.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace ui::detail {

namespace {

// Every role of every group set, so that the palette resolves against nothing around it and
// keeps its identity wherever it is used.
const QPalette& steadyPalette() {
    static const QPalette palette = [] {
        QPalette p = QApplication::palette();
        for (int g = 0; g < QPalette::NColorGroups; ++g) {
            for (int r = 0; r < QPalette::NColorRoles; ++r) {
                const auto group = static_cast<QPalette::ColorGroup>(g);
                const auto role = static_cast<QPalette::ColorRole>(r);
                p.setBrush(group, role, p.brush(group, role));
            }
        }
        return p;
    }();
    return palette;
}

} // namespace

void holdSteadyPalette(QWidget* widget) {
    widget->setPalette(steadyPalette());
}

} // namespace ui::detail
