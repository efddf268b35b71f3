#pragma once

// Used only inside ui/.

class QAccessibleInterface;
class QObject;
class QString;

namespace ui::detail {

// The program's own accessibility interfaces, each for the controls it names and nothing else;
// the toolkit asks for them when a screen reader or switch access looks at a control.
// A ListWidget: a list whose items assistive technology can choose (list_accessible.cpp).
QAccessibleInterface* listAccessible(const QString& className, QObject* object);
// A window's notification, read out by its news (news.cpp).
QAccessibleInterface* notificationAccessible(const QString& className, QObject* object);
// A read-only text box and a numeric slider (guarded_accessible.cpp).
QAccessibleInterface* guardedAccessible(const QString& className, QObject* object);
// A picture box, read as a graphic (picture_box.cpp).
QAccessibleInterface* pictureAccessible(const QString& className, QObject* object);
// An option button (option_button.cpp).
QAccessibleInterface* optionAccessible(const QString& className, QObject* object);

// Installs them all with the toolkit, once for the process: every window does so as it is made,
// before any of its controls.
void installAccessibility();

} // namespace ui::detail
