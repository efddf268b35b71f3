#include "quiz.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace test {

void require(bool condition, const std::string& message) {
    if (!condition) {
        throw DriverFailure(message);
    }
}

QString toQ(const std::string& text) {
    return QString::fromStdString(text);
}

std::string fromQ(const QString& text) {
    return text.toStdString();
}

Quiz::Quiz(content::ContentTable table, std::vector<std::string> settingsRecord)
    : program(platform, std::move(table), std::move(settingsRecord)) {
    program.start();
}

void letEventsRun() {
    for (int turn = 0; turn < 3; ++turn) {
        QCoreApplication::processEvents();
    }
}

QWidget* childIn(QWidget* window, const char* name) {
    auto* child = window->findChild<QWidget*>(name);
    require(child != nullptr, std::string("no control ") + name);
    return child;
}

QListWidget* listIn(QWidget* window, const char* name) {
    auto* list = qobject_cast<QListWidget*>(childIn(window, name));
    require(list != nullptr, std::string(name) + " is no list");
    return list;
}

QStringList Quiz::shown(const char* listName) const {
    QStringList items;
    QListWidget* list = listIn(window(), listName);
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    return items;
}

int selectedRowOf(QListWidget* list) {
    const auto rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int Quiz::rowOf(int list, const std::string& text) const {
    const auto& items = main().Slowo[list].items();
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

const std::string& Quiz::phrase(int side, int n) const {
    return content::itemAt(program.contentStore().danni(side), n - 1);
}

void clickListRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers) {
    require(row >= 0 && row < list->count(),
            "no row " + std::to_string(row) + " in " + fromQ(list->objectName()));
    list->scrollToItem(list->item(row));
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

void Quiz::clickItem(const char* listName, const QString& text) const {
    const int row = static_cast<int>(shown(listName).indexOf(text));
    require(row >= 0, "no item " + fromQ(text) + " in " + listName);
    clickItem(listName, row);
}

void Quiz::press(const char* buttonName) const {
    auto* button = qobject_cast<QPushButton*>(childIn(window(), buttonName));
    require(button != nullptr, std::string(buttonName) + " is no button");
    QTest::mouseClick(button, Qt::LeftButton);
}

void Quiz::clickThumbnail() const {
    QTest::mouseClick(childIn(window(), "Grafika_0"), Qt::LeftButton);
}

void clickMenu(QWidget* window, const char* actionName) {
    auto* bar = window->findChild<QMenuBar*>();
    require(bar != nullptr, "no menu bar");
    auto* action = window->findChild<QAction*>(actionName);
    require(action != nullptr, std::string("no menu command ") + actionName);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

void clickOption(QWidget* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

void Quiz::enterPair(int left, int right) const {
    clickItem("Slowo_0", toQ(phrase(0, left)));
    clickItem("Slowo_1", toQ(phrase(1, right)));
    pressChoose();
}

void Quiz::enterCorrect(int from, int to) const {
    for (int n = from; n <= to; ++n) {
        enterPair(n, n);
    }
}

void Quiz::playDuringATest() const {
    enterPair(1, 1);
    enterPair(2, 5);
    enterPair(3, 3);
    clickItem("Slowo_0", QStringLiteral("Вашингтон"));
    clickItem("Slowo_1", QStringLiteral("Олимпия "));
}

void Quiz::playToTheEvaluation() const {
    enterPair(1, 2);
    enterCorrect(3, 40);
    clickItem("Slowo_2", 5);
    pressWithdraw(); // withdraws pair 8, selects the next; the rule enables "Оцени"
    require(main().Uprawl[2].isEnabled(), "\"Оцени\" is not available");
    pressEvaluate();
}

QAccessibleInterface* accessibleOf(QWidget* window, const char* name) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(childIn(window, name));
    require(a != nullptr, std::string(name) + " has no accessible interface");
    return a;
}

int windowCount(const char* name, bool visibleOnly) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const bool named = !name || w->objectName() == QLatin1String(name);
        count += named && (!visibleOnly || w->isVisible()) ? 1 : 0;
    }
    return count;
}

} // namespace test
