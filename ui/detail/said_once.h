#pragma once

// Used only inside ui/.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QString>

namespace ui::detail {

// A control's accessible interface that tells its description only where it says more than the
// name: a control named after its tooltip would otherwise be heard twice.
template <class Base> class SaidOnce : public Base {
public:
    using Base::Base;

    QString text(QAccessible::Text t) const override {
        const QString said = Base::text(t);
        if (t == QAccessible::Description &&
            said.trimmed() == Base::text(QAccessible::Name).trimmed()) {
            return {};
        }
        return said;
    }
};

} // namespace ui::detail
