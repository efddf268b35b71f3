#include "checks.h"
#include "settings/settings_window.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using test::accessibleOf;
using test::Quiz;

namespace {

struct Expected {
    const char* object;
    QAccessible::Role role;
    const char* name;
};

void expectNamesAndRoles(QWidget* window, const std::vector<Expected>& controls) {
    for (const Expected& c : controls) {
        QAccessibleInterface* a = accessibleOf(window, c.object);
        ASSERT_NE(a, nullptr) << c.object;
        EXPECT_EQ(a->role(), c.role) << c.object;
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(c.name)) << c.object;
    }
}

// Every visible control of the window's client area is in the list, so none is left nameless,
// and none is described by its name again, which a screen reader would say twice.
void expectAllCovered(QWidget* client, const std::vector<Expected>& controls) {
    for (QWidget* w : client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible()) {
            continue;
        }
        const auto named = std::find_if(controls.begin(), controls.end(), [&](const Expected& c) {
            return w->objectName() == QLatin1String(c.object);
        });
        EXPECT_NE(named, controls.end()) << w->objectName().toStdString() << " has no check";
        const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
        EXPECT_NE(a->text(QAccessible::Description).trimmed(), a->text(QAccessible::Name).trimmed())
            << w->objectName().toStdString();
    }
}

} // namespace

TEST(Accessibility, QuizWindowControlsHaveNamesAndRoles) {
    Quiz quiz;
    const std::vector<Expected> controls{
        {"Slowo_0", QAccessible::List, "Изрази от лявото поле"},
        {"Slowo_1", QAccessible::List, "Изрази от дясното поле"},
        {"Slowo_2", QAccessible::List, "Набор от вече въведени отговори"},
        {"Uprawl_0", QAccessible::Button, "Избрах"},
        {"Uprawl_1", QAccessible::Button, "Върни"},
        {"Uprawl_2", QAccessible::Button, "Оцени"},
        {"Uprawl_3", QAccessible::Button, "Обясни"},
        {"Ndapis", QAccessible::StaticText, "Оставащи:"},
        {"Prowerka_0", QAccessible::EditableText, "Указания и обяснения"},
        {"Grafika_0", QAccessible::Graphic, "Картина на избраната фраза"},
        {"Prowerka_1", QAccessible::EditableText, "зелено - Вярно; червено - Грешно"},
    };
    expectNamesAndRoles(quiz.window(), controls);
    expectAllCovered(quiz.main().form.clientArea(), controls);

    // The lists read out their phrases; the buttons their tooltips.
    const auto text = [&](const char* object, QAccessible::Text which) {
        return accessibleOf(quiz.window(), object)->text(which);
    };
    QAccessibleInterface* left = accessibleOf(quiz.window(), "Slowo_0");
    ASSERT_EQ(left->childCount(), 50);
    EXPECT_EQ(left->child(0)->text(QAccessible::Name), QStringLiteral("Айдахо"));
    EXPECT_TRUE(left->child(0)->state().selected);
    EXPECT_EQ(text("Uprawl_3", QAccessible::Description), QStringLiteral("Дава обяснения"));
    // The phrase lists keep their one tooltip, and are told apart by name.
    EXPECT_EQ(text("Slowo_1", QAccessible::Description),
              QStringLiteral("Посочете елемента в релацията"));
    EXPECT_TRUE(accessibleOf(quiz.window(), "Uprawl_2")->state().disabled);
    EXPECT_TRUE(accessibleOf(quiz.window(), "Prowerka_0")->state().readOnly);

    // The counter and, after the evaluation, the score and the check are read as they change.
    quiz.enterCorrect(1, 38);
    EXPECT_EQ(text("Ndapis", QAccessible::Name), QStringLiteral("Остават: 12"));
    quiz.pressWithdraw();
    quiz.pressEvaluate();
    EXPECT_EQ(text("Ndapis", QAccessible::Name), QStringLiteral("Верни: 76%"));
    EXPECT_EQ(text("Prowerka_1", QAccessible::Value), QStringLiteral("ДА"));
}

TEST(Accessibility, SettingsWindowControlsHaveNamesAndRoles) {
    Quiz quiz;
    const test::ColourWindow colours(quiz);
    QWidget* window = colours.widget();
    const std::vector<Expected> controls{
        {"picColor", QAccessible::Graphic, "Получен изходен цвят"},
        {"Label_Cv_3", QAccessible::StaticText, "Цвят"},
        {"Label_Cv_0", QAccessible::StaticText, "Ч"},
        {"Label_Cv_1", QAccessible::StaticText, "З"},
        {"Label_Cv_2", QAccessible::StaticText, "С"},
        {"Label_ST_0", QAccessible::StaticText, "R"},
        {"Label_ST_1", QAccessible::StaticText, "G"},
        {"Label_ST_2", QAccessible::StaticText, "B"},
        {"Slider1_0", QAccessible::Slider, "Промяна на стойн остта на червената съставка"},
        {"Slider1_1", QAccessible::Slider, "Промяна на стойн остта на зелената съставка"},
        {"Slider1_2", QAccessible::Slider, "Промяна на стойн остта на синята съставка"},
        {"Option1_0", QAccessible::RadioButton, "За настройване цвета на фона на формата"},
        {"Option1_1", QAccessible::RadioButton, "За настройване цвета на фона в текстовите полета"},
        {"Option1_2", QAccessible::RadioButton,
         "За настройване цвета на текста в текстовите полета"},
        {"Label_Cv_5", QAccessible::StaticText, "Цвят форма"},
        {"Label_Cv_6", QAccessible::StaticText, "Фон текст"},
        {"Label_Cv_7", QAccessible::StaticText, "Цвят текст"},
        {"Label_Cv_4", QAccessible::StaticText, "Размер  шрифт"},
        {"List_font_1", QAccessible::List, "Определя размера на буквите"},
        {"Text_Cv_0", QAccessible::EditableText,
         "Полето илюстрира шрифт, размер на букви, цвят и фон на букви"},
    };
    expectNamesAndRoles(window, controls);
    expectAllCovered(colours.window().form.clientArea(), controls);

    QAccessibleInterface* red = accessibleOf(window, "Slider1_0");
    ASSERT_NE(red->valueInterface(), nullptr);
    EXPECT_EQ(red->valueInterface()->currentValue().toInt(), 128);
    EXPECT_EQ(red->valueInterface()->maximumValue().toInt(), 255);
    EXPECT_EQ(accessibleOf(window, "Text_Cv_0")->text(QAccessible::Value), QStringLiteral("Шрифт"));
    colours.option(2);
    EXPECT_EQ(accessibleOf(window, "Label_Cv_3")->text(QAccessible::Name),
              QStringLiteral("Цвят в 10/16-тичен код = 8 /H8"));
    EXPECT_EQ(accessibleOf(window, "Label_ST_0")->text(QAccessible::Name), QStringLiteral("8"));
}

namespace {

// A screen reader far behind: each notification shown is read only once twenty more were.
struct LateReader {
    struct Told {
        QPointer<QObject> notification;
        QString text;
    };
    static inline std::vector<Told> told;
    static inline QStringList readLate, toldThen;
    static void hear(QAccessibleEvent* event) {
        QAccessibleInterface* a = event->accessibleInterface();
        if (event->type() != QAccessible::ObjectShow || !a ||
            a->role() != QAccessible::Notification) {
            return;
        }
        told.push_back({a->object(), a->text(QAccessible::Name)});
        if (told.size() > 20) {
            const Told& late = told[told.size() - 21];
            QAccessibleInterface* now = QAccessible::queryAccessibleInterface(late.notification);
            readLate << (now ? now->text(QAccessible::Name) : QString());
            toldThen << late.text;
        }
    }
};

} // namespace

TEST(Accessibility, NewsReadLateReadsAsItWasTold) {
    Quiz quiz;
    test::Heard heard;
    test::activate(quiz.window());
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(LateReader::hear);
    for (int n = 1; n <= 30; ++n) {
        quiz.enterCorrect(n, n);
        test::letEventsRun();
    }
    QAccessible::installUpdateHandler(before);
    if (heard.listening()) {
        EXPECT_EQ(LateReader::readLate.size(), 10);
        EXPECT_EQ(LateReader::readLate, LateReader::toldThen);
    }
}
