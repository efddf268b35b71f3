#include "actions.h"

#include "quiz.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QMenuBar>
#include <QTest>

namespace test {

void doAction(QAccessibleInterface* a, const QString& action) {
    require(a != nullptr, "no accessible object for " + fromQ(action));
    const std::string name = fromQ(a->text(QAccessible::Name));
    require(a->actionInterface() != nullptr, name + " offers no actions");
    require(a->actionInterface()->actionNames().contains(action),
            name + " offers no " + fromQ(action));
    a->actionInterface()->doAction(action);
}

void pressByAction(QWidget* window, const char* button) {
    doAction(accessibleOf(window, button), QAccessibleActionInterface::pressAction());
    auto* b = qobject_cast<QAbstractButton*>(childIn(window, button));
    require(b != nullptr, std::string(button) + " is no button");
    require(QTest::qWaitFor([b] { return !b->isDown(); }, kPatience),
            std::string(button) + " stays down");
}

int childRowOf(QAccessibleInterface* list, const QString& text) {
    for (int i = 0; i < list->childCount(); ++i) {
        if (list->child(i)->text(QAccessible::Name) == text) {
            return i;
        }
    }
    return -1;
}

void chooseByAction(QWidget* window, const char* list, int row, bool throughTheTable) {
    QAccessibleInterface* a = accessibleOf(window, list);
    require(row >= 0 && row < a->childCount(), "no row " + std::to_string(row) + " in " + list);
    if (throughTheTable) {
        require(a->tableInterface() && a->tableInterface()->selectRow(row),
                std::string(list) + " refuses to select row " + std::to_string(row));
    } else {
        doAction(a->child(row), QAccessibleActionInterface::toggleAction());
    }
}

void chooseByAction(QWidget* window, const char* list, const QString& text, bool throughTheTable) {
    const int row = childRowOf(accessibleOf(window, list), text);
    require(row >= 0, "no item " + fromQ(text) + " in " + list);
    chooseByAction(window, list, row, throughTheTable);
}

QAccessibleInterface* menuCommand(QWidget* window, const QString& caption) {
    QAccessibleInterface* bar =
        QAccessible::queryAccessibleInterface(window->findChild<QMenuBar*>());
    require(bar != nullptr, "no menu bar");
    for (int i = 0; i < bar->childCount(); ++i) {
        if (bar->child(i)->text(QAccessible::Name).remove(QLatin1Char('&')) == caption) {
            return bar->child(i);
        }
    }
    require(false, "no menu command " + fromQ(caption));
    return nullptr;
}

void pressMenuByAction(QWidget* window, const QString& caption) {
    doAction(menuCommand(window, caption), QAccessibleActionInterface::pressAction());
}

} // namespace test
