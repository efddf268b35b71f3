#include "checks.h"
#include "explain/picture_window.h"
#include "settings/settings_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using test::accessibleOf;
using test::Quiz;

TEST(Menu, ColorTwiceMakesOneSettingsWindow) {
    Quiz quiz;
    quiz.menu("Cwqt");
    keb::SettingsWindow* first = quiz.program.settingsWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->controls().form.isVisible());
    quiz.menu("Cwqt");
    EXPECT_EQ(quiz.program.settingsWindow(), first);
    EXPECT_EQ(test::windowCount("Cwiat", true), 1);
    // The quiz window stays usable meanwhile.
    quiz.enterPair(1, 1);
    EXPECT_EQ(quiz.main().Slowo[2].count(), 1);
}

// "Exit" with every window open ends the program, as does the quiz window's close box.
TEST(Menu, ExitOrTheCloseBoxEndsTheProgram) {
    Quiz quiz(test::withPictureFlag(1, "1"));
    quiz.program.pictureWindow().putPicture(1, ui::Picture::filled(20, 20, 255), 300, 300);
    // The thumbnail pressed as assistive technology presses it.
    test::doAction(accessibleOf(quiz.window(), "Grafika_0"),
                   QAccessibleActionInterface::pressAction());
    quiz.menu("Cwqt");
    ASSERT_TRUE(quiz.program.pictureWindow().controls().form.isVisible());
    ASSERT_EQ(test::windowCount(nullptr, true), 3);
    quiz.menu("Izhod");
    EXPECT_EQ(quiz.platform.endCount, 1);
    EXPECT_EQ(test::windowCount(nullptr, true), 0);
    EXPECT_EQ(quiz.program.settingsWindow(), nullptr);

    Quiz closed;
    closed.menu("Cwqt");
    closed.window()->close();
    EXPECT_EQ(closed.platform.endCount, 1);
    EXPECT_EQ(test::windowCount(nullptr, true), 0);
}

namespace {

// The items of the context menu the learner opens with a right click on the widget, read while
// it is open and then closed again.
QStringList contextMenuOf(QWidget* widget) {
    QStringList items;
    const auto read = [&items] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    items << action->text().section(QLatin1Char('\t'), 0, 0); // not the keys' names
                }
            }
            menu->close();
        }
    };
    // A scroll bar's menu waits for the choice inside the event; a text box's pops up and stays.
    QTimer whileOpen;
    whileOpen.setSingleShot(true);
    QObject::connect(&whileOpen, &QTimer::timeout, read);
    whileOpen.start(0);
    const QPoint inside(widget->width() / 2, widget->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &event);
    read();
    return items;
}

// Every scroll bar and text box of the window has a context menu, and no word of it is English;
// the shortcuts beside the words name the keys as the keyboard does (Ctrl+C).
void expectBulgarianContextMenus(QWidget* window) {
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    int menus = 0;
    const auto check = [&](QWidget* widget, const QString& what) {
        const QStringList items = contextMenuOf(widget);
        EXPECT_FALSE(items.isEmpty()) << test::fromQ(what) << " has no context menu";
        for (const QString& item : items) {
            EXPECT_FALSE(item.contains(latin)) << test::fromQ(what) << ": " << test::fromQ(item);
        }
        ++menus;
    };
    for (QScrollBar* bar : window->findChildren<QScrollBar*>()) {
        if (bar->isVisible()) {
            check(bar, bar->parentWidget()->parentWidget()->objectName() + " scroll bar");
        }
    }
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
        check(box->viewport(), box->objectName());
    }
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        check(box, box->objectName());
    }
    EXPECT_GT(menus, 0);
}

} // namespace

// Whatever the system's language, the toolkit's own words are Bulgarian too.
TEST(Menu, ContextMenusOfTextBoxesAndScrollBarsAreBulgarian) {
    Quiz quiz;
    EXPECT_EQ(QLocale().language(), QLocale::Bulgarian);
    expectBulgarianContextMenus(quiz.window());
    expectBulgarianContextMenus(test::ColourWindow(quiz).widget());
}
