#pragma once

// The learner at the keyboard alone: Tab between the controls, arrows in the lists, Space or
// Enter on the buttons, Alt and shortcut keys for the menus.

#include <QString>
#include <Qt>

class QWidget;

namespace test {

QString focusedName();
// Makes the window the active one, as a click on its caption does.
void activate(QWidget* window);
// One key to the control with the focus, or to the active window; what it sets going runs before
// the next, as between a learner's keys.
void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {});
// Tabs forward until the named control has the focus.
void tabTo(const char* name);
// Selects a row of the focused list: Home, then Down.
void selectRow(int row);

} // namespace test
