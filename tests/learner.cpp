#include "learner.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace test {

QString toQ(const std::string& text) {
    return QString::fromStdString(text);
}

std::string fromQ(const QString& text) {
    return text.toStdString();
}

Quiz::Quiz(content::ContentTable table) : program(platform, std::move(table)) {
    program.start();
}

QWidget* Quiz::window() const {
    return main().form.widget();
}

QListWidget* listIn(QWidget* window, const char* name) {
    auto* list = window->findChild<QListWidget*>(name);
    EXPECT_NE(list, nullptr) << name;
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

int Quiz::selectedRow(const char* listName) const {
    const auto rows = listIn(window(), listName)->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void clickListRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers) {
    ASSERT_GE(row, 0);
    ASSERT_LT(row, list->count());
    list->scrollToItem(list->item(row));
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

void Quiz::clickItem(const char* listName, int row) const {
    clickListRow(listIn(window(), listName), row);
}

void Quiz::clickItem(const char* listName, const QString& text) const {
    const int row = static_cast<int>(shown(listName).indexOf(text));
    ASSERT_GE(row, 0) << fromQ(text);
    clickItem(listName, row);
}

void Quiz::press(const char* buttonName) const {
    auto* button = window()->findChild<QPushButton*>(buttonName);
    ASSERT_NE(button, nullptr) << buttonName;
    QTest::mouseClick(button, Qt::LeftButton);
}

void Quiz::clickThumbnail() const {
    auto* thumbnail = window()->findChild<QWidget*>("Grafika_0");
    ASSERT_NE(thumbnail, nullptr);
    QTest::mouseClick(thumbnail, Qt::LeftButton);
}

void clickMenu(QWidget* window, const char* actionName) {
    auto* bar = window->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    auto* action = window->findChild<QAction*>(actionName);
    ASSERT_NE(action, nullptr) << actionName;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

void Quiz::menu(const char* actionName) const {
    clickMenu(window(), actionName);
}

void Quiz::enterPair(int left, int right) const {
    const auto& danni = program.danni();
    clickItem("Slowo_0", toQ(content::itemAt(danni.danni(0), left - 1)));
    clickItem("Slowo_1", toQ(content::itemAt(danni.danni(1), right - 1)));
    pressChoose();
}

QString Quiz::label() const {
    return toQ(main().Ndapis->caption());
}

QString Quiz::explanationBox() const {
    return toQ(main().Prowerka[0].text());
}

content::ContentTable numberedContent(int left, int right) {
    std::vector<std::string> l;
    std::vector<std::string> r;
    for (int i = 1; i <= left; ++i) {
        l.push_back("Ляв " + std::to_string(i));
    }
    for (int i = 1; i <= right; ++i) {
        r.push_back("Десен " + std::to_string(i) + " ");
    }
    return content::builtinContentWith(std::move(l), std::move(r));
}

QImage saveGrab(QWidget* widget, const char* fileName) {
    const QImage image = widget->grab().toImage();
    QDir().mkpath(QStringLiteral(KEB_SCREENSHOT_DIR));
    image.save(QStringLiteral(KEB_SCREENSHOT_DIR) + "/" + fileName);
    return image;
}

} // namespace test
