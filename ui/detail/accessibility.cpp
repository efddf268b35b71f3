#include "detail/accessibility.h"

#include <QAccessible>
#include <mutex>

namespace ui::detail {

void installAccessibility() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        for (QAccessible::InterfaceFactory factory :
             {listAccessible, notificationAccessible, guardedAccessible, pictureAccessible,
              optionAccessible}) {
            QAccessible::installFactory(factory);
        }
    });
}

} // namespace ui::detail
