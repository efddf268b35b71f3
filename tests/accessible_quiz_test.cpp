// A whole quiz through the accessibility interfaces alone, as switch access, voice control or a
// screen reader's "activate" drive a program: actions, table selection and values, no pointer and
// no keys. After each step the test reads what a learner would see.

#include "checks.h"
#include "settings/settings_window.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAccessibleValueInterface>
#include <QCoreApplication>
#include <QListWidget>
#include <cstddef>
#include <gtest/gtest.h>
#include <limits>

using test::accessibleOf;
using test::doAction;
using test::menuCommand;
using test::Quiz;

namespace {

QString nameOf(QWidget* window, const char* name) {
    return accessibleOf(window, name)->text(QAccessible::Name);
}

// No list ever shows two selected rows, whatever chose them.
void expectSingleSelections(QWidget* window) {
    for (QListWidget* list : window->findChildren<QListWidget*>()) {
        EXPECT_LE(list->selectedItems().size(), 1) << test::fromQ(list->objectName());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(list);
        EXPECT_LE(a->tableInterface()->selectedRowCount(), 1);
    }
}

// Chooses an item by its own action, or through the list's table; it is then the one selected.
void choose(QWidget* window, const char* list, const QString& text, bool throughTheTable = false) {
    test::chooseByAction(window, list, text, throughTheTable);
    QAccessibleInterface* a = accessibleOf(window, list);
    EXPECT_TRUE(a->child(test::childRowOf(a, text))->state().selected) << test::fromQ(text);
    expectSingleSelections(window);
}

} // namespace

TEST(AccessibleQuiz, AWholeTestAndTheSettingsThroughActionsAndValuesAlone) {
    Quiz quiz;
    QWidget* w = quiz.window();
    const keb::QuizControls& m = quiz.main();

    // Forty pairs, the right phrase chosen through the list's table every other time; pairs 39
    // and 40 crossed.
    for (int n = 1; n <= 40; ++n) {
        const int right = n <= 38 ? n : 79 - n;
        choose(w, "Slowo_0", test::toQ(quiz.phrase(0, n)));
        choose(w, "Slowo_1", test::toQ(quiz.phrase(1, right)), n % 2 == 0);
        test::pressByAction(w, "Uprawl_0");
        ASSERT_EQ(nameOf(w, "Ndapis"), QStringLiteral("Остават: %1").arg(50 - n));
    }
    QAccessibleInterface* answers = accessibleOf(w, "Slowo_2");
    ASSERT_EQ(answers->childCount(), 40);
    EXPECT_EQ(answers->child(39)->text(QAccessible::Name),
              test::toQ(quiz.phrase(0, 40)) + " " + test::toQ(quiz.phrase(1, 39)));

    // Withdraw the last answer and enter it again.
    choose(w, "Slowo_2", answers->child(39)->text(QAccessible::Name));
    test::pressByAction(w, "Uprawl_1");
    EXPECT_EQ(answers->childCount(), 39);
    EXPECT_EQ(nameOf(w, "Ndapis"), QStringLiteral("Остават: 11"));
    choose(w, "Slowo_0", test::toQ(quiz.phrase(0, 40)));
    choose(w, "Slowo_1", test::toQ(quiz.phrase(1, 39)));
    test::pressByAction(w, "Uprawl_0");
    EXPECT_EQ(answers->childCount(), 40);

    // The score, the first answer checked, and each answer explained.
    test::pressByAction(w, "Uprawl_2");
    EXPECT_EQ(nameOf(w, "Ndapis"), QStringLiteral("Верни: 76%"));
    EXPECT_TRUE(answers->child(0)->state().selected);
    EXPECT_EQ(accessibleOf(w, "Prowerka_1")->text(QAccessible::Value), QStringLiteral("ДА"));
    choose(w, "Slowo_2", test::toQ(quiz.phrase(0, 39)) + " " + test::toQ(quiz.phrase(1, 40)));
    EXPECT_EQ(accessibleOf(w, "Prowerka_1")->text(QAccessible::Value), QStringLiteral("НЕ"));
    test::pressByAction(w, "Uprawl_3");
    EXPECT_EQ(accessibleOf(w, "Prowerka_0")->text(QAccessible::Value),
              QStringLiteral("\n\"") + test::toQ(quiz.phrase(0, 39)) + "\" е във връзка с \"" +
                  test::toQ(quiz.phrase(1, 39)) + "\"");
    // The selected answer's action is a click too: the box empties and the check shows again.
    doAction(answers->child(
                 answers->indexOfChild(answers->tableInterface()->selectedCells().constFirst())),
             QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(accessibleOf(w, "Prowerka_0")->text(QAccessible::Value).isEmpty());
    EXPECT_EQ(accessibleOf(w, "Prowerka_1")->text(QAccessible::Value), QStringLiteral("НЕ"));

    // The colour window: open it, switch the target to the text background and then to the text
    // colour (a toggle is a click), set its green, choose 14 points, save.
    doAction(menuCommand(w, QStringLiteral("Color")), QAccessibleActionInterface::pressAction());
    ASSERT_NE(quiz.program.settingsWindow(), nullptr);
    const keb::SettingsControls* settings = &quiz.program.settingsWindow()->controls();
    QWidget* s = settings->form.widget();
    doAction(accessibleOf(s, "Option1_1"), QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(settings->target, 1);
    EXPECT_EQ(settings->Slider1[1].value(), 255);
    EXPECT_EQ(nameOf(s, "Label_ST_0"), QStringLiteral("255"));
    doAction(accessibleOf(s, "Option1_2"), QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(accessibleOf(s, "Option1_2")->state().checked);
    EXPECT_EQ(settings->target, 2);
    EXPECT_EQ(settings->Slider1[0].value(), 8);
    // A click after the toggle is a click as before: the chosen option's click runs once more.
    test::controlIn<ui::Slider>(s, "Slider1_0").setValue(0);
    test::clickOption(test::childIn(s, "Option1_2"));
    QAccessibleValueInterface* red = accessibleOf(s, "Slider1_0")->valueInterface();
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->currentValue().toInt(), 8) << "the sliders follow the text colour";
    EXPECT_EQ(nameOf(s, "Label_Cv_3"), QStringLiteral("Цвят в 10/16-тичен код = 8 /H8"));
    accessibleOf(s, "Slider1_1")->valueInterface()->setCurrentValue(200);
    EXPECT_EQ(nameOf(s, "Label_ST_1"), QStringLiteral("200"));
    EXPECT_EQ(nameOf(s, "Label_Cv_3"), QStringLiteral("Цвят в 10/16-тичен код = 51208 /HC808"));
    EXPECT_EQ(settings->Text_Cv[0].foreColor(), 51208u) << "the sample shows it at once";
    choose(s, "List_font_1", QStringLiteral("14"));
    EXPECT_EQ(m.Cweta[0].item(2), "14");
    doAction(menuCommand(s, QStringLiteral("Запис")), QAccessibleActionInterface::pressAction());
    EXPECT_EQ(quiz.program.settingsWindow(), nullptr);
    EXPECT_EQ(m.Slowo[2].foreColor(), 51208u);
    EXPECT_EQ(m.Slowo[0].font().points, 14.0);
    expectSingleSelections(w);
}

// Whatever route a selection comes by, a list keeps one selected row, and the learner cannot
// take it away.
TEST(AccessibleQuiz, AListNeverHoldsTwoSelectedRowsNorLosesItsSelection) {
    Quiz quiz;
    QWidget* w = quiz.window();
    QAccessibleInterface* left = accessibleOf(w, "Slowo_0");
    QAccessibleTableInterface* table = left->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->selectedRows(), QList<int>{0});
    const int before = quiz.main().Tekusht_nomer;

    EXPECT_TRUE(table->selectRow(3));
    EXPECT_EQ(table->selectedRows(), QList<int>{3});
    EXPECT_EQ(quiz.main().Slowo[0].listIndex(), 3);
    EXPECT_NE(quiz.main().Tekusht_nomer, before) << "the click handling ran";
    expectSingleSelections(w);

    EXPECT_FALSE(table->unselectRow(3));
    doAction(left->child(3), QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(table->selectedRows(), QList<int>{3}) << "toggling the selected item keeps it";

    // Even a selection made on the toolkit's list directly ends as one row, the learner's.
    auto* list = w->findChild<QListWidget*>("Slowo_0");
    list->selectionModel()->select(list->model()->index(5, 0), QItemSelectionModel::Select);
    EXPECT_EQ(quiz.main().Slowo[0].listIndex(), 5);
    EXPECT_EQ(list->selectedItems().size(), 1);
    list->clearSelection();
    EXPECT_EQ(quiz.main().Slowo[0].listIndex(), 5);
    EXPECT_TRUE(list->item(5)->isSelected());
}

namespace {

// What the learner sees in a window, for telling whether a call changed anything.
QStringList seen(QWidget* window) {
    QStringList state;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a) {
            continue;
        }
        state << w->objectName() + "|" + a->text(QAccessible::Name) + "|" +
                     a->text(QAccessible::Value) + "|" + QString::number(w->isEnabled()) + "|" +
                     QString::number(w->isVisible());
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            state << QString::number(list->currentRow()) + "/" + QString::number(list->count());
        }
        if (QAccessibleValueInterface* value = a->valueInterface()) {
            state << value->currentValue().toString();
        }
    }
    return state;
}

const int kBadNumbers[] = {-1, -2, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                           1000000};

// Every method of every interface of the object, with arguments out of every range.
void callWithBadArguments(QAccessibleInterface* a) {
    a->childAt(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    // The bridge passes on no negative child index.
    for (int n : {a->childCount(), std::numeric_limits<int>::max()}) {
        EXPECT_EQ(a->child(n), nullptr);
    }
    if (QAccessibleActionInterface* action = a->actionInterface()) {
        for (const QString& name : {QString(), QStringLiteral("no such action")}) {
            action->doAction(name);
            action->keyBindingsForAction(name);
            action->localizedActionName(name);
            action->localizedActionDescription(name);
        }
    }
    if (QAccessibleTableInterface* table = a->tableInterface()) {
        for (int row : kBadNumbers) {
            for (int column : {0, -1, 1, std::numeric_limits<int>::max()}) {
                // As the bridge asks it: the cell's extents, whether or not there is a cell.
                QAccessibleInterface* cell = table->cellAt(row, column);
                ASSERT_NE(cell, nullptr);
                ASSERT_NE(cell->tableCellInterface(), nullptr);
                EXPECT_EQ(cell->tableCellInterface()->rowExtent(), 0);
                EXPECT_EQ(cell->tableCellInterface()->columnExtent(), 0);
                EXPECT_EQ(a->indexOfChild(cell), -1);
            }
            EXPECT_FALSE(table->selectRow(row));
            EXPECT_FALSE(table->unselectRow(row));
            EXPECT_FALSE(table->selectColumn(row));
            EXPECT_FALSE(table->unselectColumn(row));
            EXPECT_FALSE(table->isRowSelected(row));
            EXPECT_FALSE(table->isColumnSelected(row));
            table->rowDescription(row);
            table->columnDescription(row);
        }
    }
    // Each bad number with its opposite, as far as there is one.
    const auto opposite = [](int n) {
        return n == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -n;
    };
    if (QAccessibleTextInterface* text = a->textInterface()) {
        for (int n : kBadNumbers) {
            const int m = opposite(n);
            int start = 0, end = 0;
            text->text(n, m);
            text->text(0, n);
            text->attributes(n, &start, &end);
            text->characterRect(n);
            text->selection(n, &start, &end);
            text->removeSelection(n);
            text->setSelection(n, n, m);
            text->addSelection(n, m);
            text->setCursorPosition(n);
            text->scrollToSubstring(n, m);
            for (auto boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                                  QAccessible::LineBoundary, QAccessible::NoBoundary}) {
                text->textAtOffset(n, boundary, &start, &end);
                text->textBeforeOffset(n, boundary, &start, &end);
                text->textAfterOffset(n, boundary, &start, &end);
            }
        }
        text->offsetAtPoint(QPoint(std::numeric_limits<int>::min(), -1));
    }
    if (QAccessibleEditableTextInterface* edit = a->editableTextInterface()) {
        for (int n : kBadNumbers) {
            edit->deleteText(n, opposite(n));
            edit->insertText(n, QStringLiteral("x"));
            edit->replaceText(n, opposite(n), QStringLiteral("x"));
        }
    }
    if (QAccessibleValueInterface* value = a->valueInterface()) {
        for (const QVariant& bad : {QVariant(), QVariant(QStringLiteral("no number")),
                                    QVariant(1e300), QVariant(-1e300)}) {
            value->setCurrentValue(bad);
        }
    }
}

// The interfaces of the window and of everything in it, list items and menu commands among them.
void collect(QAccessibleInterface* a, QList<QAccessibleInterface*>& all, int depth = 0) {
    if (!a || depth > 8 || all.contains(a)) {
        return;
    }
    all << a;
    for (int i = 0; i < a->childCount(); ++i) {
        collect(a->child(i), all, depth + 1);
    }
}

void expectBadArgumentsRefused(QWidget* window) {
    const QStringList before = seen(window);
    QList<QAccessibleInterface*> all;
    collect(QAccessible::queryAccessibleInterface(window), all);
    EXPECT_GT(all.size(), 20);
    for (QAccessibleInterface* a : all) {
        SCOPED_TRACE(test::fromQ(a->text(QAccessible::Name)));
        callWithBadArguments(a);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(seen(window), before);
}

} // namespace

// Any program on the session bus may call the accessibility interfaces: calls that make no sense
// are answered with nothing, and change nothing.
TEST(AccessibleQuiz, CallsWithBadArgumentsAreRefusedAndChangeNothing) {
    Quiz quiz;
    quiz.enterPair(1, 1);
    quiz.enterPair(2, 3);
    expectBadArgumentsRefused(quiz.window());
    quiz.pressEvaluate();
    expectBadArgumentsRefused(quiz.window());
    expectBadArgumentsRefused(test::ColourWindow(quiz).widget());
}
