#pragma once

// The learner through the accessibility interfaces alone, as switch access, voice control or a
// screen reader's "activate" drive a program: actions, table selection and values; no pointer
// and no keys.

#include <QString>

class QAccessibleInterface;
class QWidget;

namespace test {

// Does the named action of the object, which must offer it.
void doAction(QAccessibleInterface* a, const QString& action);
// A button's Press action; it clicks the button after a short animation, which this awaits.
void pressByAction(QWidget* window, const char* button);
// The item of the list with this text: its index among the list's children; -1 if none.
int childRowOf(QAccessibleInterface* list, const QString& text);
// Chooses a list's item by its own toggle action, or through the list's table.
void chooseByAction(QWidget* window, const char* list, int row, bool throughTheTable = false);
void chooseByAction(QWidget* window, const char* list, const QString& text,
                    bool throughTheTable = false);
// The menu command with this caption in the window's menu bar.
QAccessibleInterface* menuCommand(QWidget* window, const QString& caption);
void pressMenuByAction(QWidget* window, const QString& caption);

} // namespace test
