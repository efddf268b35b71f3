#include "checks.h"
#include "ui/list_box.h"
#include "ui/text_box.h"
#include "ui/window.h"

#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Lists : ::testing::Test {
    Lists() : window("Test", ui::WindowStyle::FixedSingle) {
        window.setClientSize(6000, 6000);
        window.showModeless();
    }
    ui::ListBox& make(bool sorted, std::initializer_list<const char*> items) {
        lists.push_back(std::make_unique<ui::ListBox>(window, "list" + std::to_string(lists.size()),
                                                      ui::Rect{0, 0, 3000, 3000},
                                                      ui::ListBox::Options{sorted, true}));
        ui::ListBox& list = *lists.back();
        list.onClick([this, &list] { clicks.push_back(list.listIndex()); });
        for (const char* text : items) {
            list.addItem(text);
        }
        return list;
    }
    QListWidget* widgetOf(ui::ListBox& list) { return static_cast<QListWidget*>(list.widget()); }

    ui::Window window;
    std::vector<std::unique_ptr<ui::ListBox>> lists;
    std::vector<int> clicks;
};

} // namespace

TEST_F(Lists, SortedListPutsEachItemInPlaceAndKeepsItExactly) {
    ui::ListBox& list = make(true, {"яма", "аз ", "ёж", "Яна", "аз", "аз "});
    EXPECT_EQ(list.items(), (std::vector<std::string>{"ёж", "Яна", "аз", "аз ", "аз ", "яма"}));
    ASSERT_EQ(widgetOf(list)->count(), 6);
    EXPECT_EQ(widgetOf(list)->item(3)->text(), QStringLiteral("аз "));
    EXPECT_EQ(list.item(6), "");
    EXPECT_EQ(list.listIndex(), -1);
}

TEST_F(Lists, SelectionFromCodeRaisesTheClickUnlessAlreadyThere) {
    ui::ListBox& list = make(false, {"a", "b", "c"});
    list.setListIndex(1);
    list.setListIndex(1);
    list.setListIndex(2);
    EXPECT_EQ(clicks, (std::vector<int>{1, 2}));
    EXPECT_EQ(widgetOf(list)->currentRow(), 2);
    list.setListIndex(-1);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_TRUE(widgetOf(list)->selectedItems().isEmpty());
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(Lists, EveryLearnersClickRaisesTheClickAndCannotClearTheSelection) {
    ui::ListBox& list = make(false, {"a", "b", "c"});
    test::clickListRow(widgetOf(list), 2);
    EXPECT_EQ(list.listIndex(), 2);
    // A click on the item already selected is a click too.
    test::clickListRow(widgetOf(list), 2);
    EXPECT_EQ(list.listIndex(), 2);
    QTest::keyClick(widgetOf(list), Qt::Key_Up);
    EXPECT_EQ(list.listIndex(), 1);
    // A click with Ctrl held selects like a plain one; it does not clear the selection.
    test::clickListRow(widgetOf(list), 1, Qt::ControlModifier);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_TRUE(widgetOf(list)->item(1)->isSelected());
    // An arrow key that moves nothing raises nothing; neither does a click beside the items.
    QTest::keyClick(widgetOf(list), Qt::Key_Home);
    QTest::keyClick(widgetOf(list), Qt::Key_Up);
    QTest::mouseClick(widgetOf(list)->viewport(), Qt::LeftButton, {},
                      QPoint(5, widgetOf(list)->viewport()->height() - 2));
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_EQ(clicks, (std::vector<int>{2, 2, 1, 1, 0}));
}

TEST_F(Lists, RemovingAndAddingKeepTheSelectionOnItsItem) {
    ui::ListBox& list = make(true, {"б", "г", "д"});
    list.setListIndex(1); // "г"
    list.addItem("а");
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(list.item(list.listIndex()), "г");
    list.removeItem(0);
    EXPECT_EQ(list.item(list.listIndex()), "г");
    list.removeItem(list.listIndex());
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_TRUE(widgetOf(list)->selectedItems().isEmpty());
    list.removeItem(7); // outside the list: nothing happens
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(clicks, (std::vector<int>{1}));
}

TEST(Window, SizesInTwipsAndATextBoxsTextExactly) {
    ui::Window window("Test", ui::WindowStyle::FixedSingle);
    window.setClientSize(11865, 7005);
    EXPECT_EQ(window.clientWidth(), 11865);
    EXPECT_EQ(window.clientHeight(), 7005);
    window.setOuterWidth(11250);
    EXPECT_EQ(window.outerWidth(), 11250);
    window.setOuterSize(3100, 2250);
    EXPECT_EQ(window.outerWidth(), 3100);
    EXPECT_EQ(window.outerHeight(), 2250);

    // A text box returns exactly the text set, and shows its lines.
    ui::TextBox box(window, "box", {0, 0, 3000, 1500}, {true, true, ui::Align::Left, true});
    box.setText("\r\n\"а\" б \r\nв");
    EXPECT_EQ(box.text(), "\r\n\"а\" б \r\nв");
    auto* edit = static_cast<QPlainTextEdit*>(box.widget());
    EXPECT_EQ(edit->document()->blockCount(), 3);
    EXPECT_EQ(edit->document()->findBlockByNumber(1).text(), QStringLiteral("\"а\" б "));
}

TEST(HiddenList, KeepsItsItemsAndShowsThemWhenMadeVisible) {
    ui::Window window("Test", ui::WindowStyle::FixedSingle);
    ui::ListBox list(window, "hidden", {0, 0, 1500, 1500}, {true, false});
    list.setEnabled(false);
    list.setToolTip("Скрит списък");
    list.setBackColor(255);
    for (const char* text : {"в", "а", "б"}) {
        list.addItem(text);
    }
    list.setListIndex(2);
    list.removeItem(0);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"б", "в"}));
    EXPECT_EQ(list.listIndex(), 1);
    list.setVisible(true);
    auto* widget = static_cast<QListWidget*>(list.widget());
    EXPECT_EQ(widget->objectName(), QStringLiteral("hidden"));
    // What was set on it while hidden holds for the list shown.
    EXPECT_FALSE(widget->isEnabled());
    EXPECT_EQ(widget->toolTip(), QStringLiteral("Скрит списък"));
    EXPECT_EQ(widget->accessibleName(), QStringLiteral("Скрит списък"));
    EXPECT_EQ(widget->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(list.geometry(), (ui::Rect{0, 0, 1500, 1500}));
    ASSERT_EQ(widget->count(), 2);
    EXPECT_EQ(widget->item(1)->text(), QStringLiteral("в"));
    EXPECT_TRUE(widget->item(1)->isSelected());
    list.addItem("а");
    EXPECT_EQ(widget->item(0)->text(), QStringLiteral("а"));
    EXPECT_TRUE(widget->item(2)->isSelected());
}

TEST(ListRendering, SelectedRowHighlightedAndTextInTheListsColours) {
    // In the program's font; an active window, as the learner's (Wine makes none active itself).
    ui::Window window("Test", ui::WindowStyle::FixedSingle, {"Times New Roman", 12.0});
    window.setClientSize(3000, 1500);
    ui::ListBox list(window, "list", {0, 0, 3000, 1500}, {false, true});
    list.setBackColor(ui::colourNumber(255, 255, 255));
    list.setForeColor(ui::colourNumber(200, 0, 0));
    for (const char* text : {"Първи ред", "Втори ред", "Трети ред"}) {
        list.addItem(text);
    }
    list.setListIndex(0);
    window.showModeless();
    list.widget()->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list.widget()->window(), test::kPatience));
    for (int pass = 0; pass < 2; ++pass) { // the second paint uses the kept layouts
        const QImage image = list.widget()->grab().toImage();
        auto* widget = static_cast<QListWidget*>(list.widget());
        const QPoint origin = widget->viewport()->mapTo(widget, QPoint(0, 0));
        const QRect first = widget->visualItemRect(widget->item(0)).translated(origin);
        const QRect second = widget->visualItemRect(widget->item(1)).translated(origin);
        const QColor highlight = widget->palette().color(QPalette::Active, QPalette::Highlight);
        int highlighted = 0, red = 0;
        for (int x = first.left(); x < first.right(); ++x) {
            highlighted += image.pixelColor(x, first.center().y()) == highlight ? 1 : 0;
        }
        for (int x = second.left(); x < second.right(); ++x) {
            for (int y = second.top(); y < second.bottom(); ++y) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 150 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
            }
        }
        EXPECT_GT(highlighted, first.width() / 2) << "pass " << pass;
        EXPECT_GT(red, 20) << "pass " << pass;
        EXPECT_EQ(image.pixelColor(second.right() - 3, second.center().y()), QColor(Qt::white));
    }
}
