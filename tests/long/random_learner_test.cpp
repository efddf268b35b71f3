// A learner who does anything the windows allow, at random, checked after every action against a
// model of the quiz written here from the rules alone.

#include "checks.h"
#include "explain/picture_window.h"
#include "settings/settings_record.h"
#include "settings/settings_window.h"
#include "ui/control_array.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// 100 * correct / pairs, rounded half to even, in whole numbers only.
long long expectedScore(long long correct, long long pairs) {
    if (pairs == 0) {
        return 0;
    }
    const long long q = 100 * correct / pairs;
    const long long twice = 2 * (100 * correct % pairs);
    return twice > pairs || (twice == pairs && q % 2 == 1) ? q + 1 : q;
}

// A left phrase without a right phrase of its own is explained with empty quotes.
std::string explanationOf(const content::ContentTable& c, int n) {
    const auto at = [](const std::vector<std::string>& list, int i) {
        return i < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(i)] : "";
    };
    return "\r\n\"" + at(c.danni[0], n - 1) + "\" е във връзка с \"" + at(c.danni[1], n - 1) + "\"";
}

struct QuizModel {
    explicit QuizModel(const content::ContentTable& table) : c(table) {
        for (std::size_t side = 0; side < 2; ++side) {
            for (int k = 1; k <= static_cast<int>(c.danni[side].size()); ++k) {
                (side ? right : left).insert(k);
                keyOf[side][c.danni[side][static_cast<std::size_t>(k - 1)]] = k;
            }
        }
        pairs = static_cast<int>(std::min(c.danni[0].size(), c.danni[1].size()));
        explanation = c.ukazanie;
        // The start-up selects the first phrase of each sorted list.
        selLeft = firstSorted(0);
        selRight = firstSorted(1);
        current = thumb = selLeft;
    }

    int firstSorted(int side) const {
        const auto& list = c.danni[static_cast<std::size_t>(side)];
        const auto first = std::min_element(list.begin(), list.end(), test::codePageLess);
        return first == list.end() ? 0 : static_cast<int>(first - list.begin()) + 1;
    }

    bool hasPicture(int n) const {
        return n >= 1 && n <= 30 && n < static_cast<int>(c.pictureFlags.size()) &&
               c.pictureFlags[static_cast<std::size_t>(n)] == "1";
    }
    void thumbnail(int n) {
        thumb = n;
        pictureShown = false;
    }
    void selectAnswer(int s) {
        const auto [l, r] = answers[static_cast<std::size_t>(s)];
        selAnswer = s;
        explanation.clear();
        current = l;
        thumbnail(current);
        check = l == r ? "ДА" : "НЕ";
    }
    void counter() { label = "Остават: " + std::to_string(std::min(left.size(), right.size())); }
    void enter() {
        answers.emplace_back(selLeft, selRight);
        left.erase(selLeft);
        right.erase(selRight);
        selLeft = selRight = 0;
        counter();
    }
    void withdraw() {
        const int s = selAnswer;
        left.insert(answers[static_cast<std::size_t>(s)].first);
        right.insert(answers[static_cast<std::size_t>(s)].second);
        answers.erase(answers.begin() + s);
        selAnswer = -1;
        if (static_cast<int>(answers.size()) > s) {
            selectAnswer(s);
        }
        counter();
        if (selAnswer < 0 && !answers.empty()) {
            selectAnswer(static_cast<int>(answers.size()) - 1);
        }
    }
    void evaluate() {
        long long correct = 0;
        for (const auto& [l, r] : answers) {
            correct += l == r ? 1 : 0;
        }
        enabled[0] = enabled[1] = false;
        label = "Верни: " + std::to_string(expectedScore(correct, pairs)) + "%";
        if (selAnswer != 0) {
            selectAnswer(0);
        }
        checkVisible = true;
        evaluated = true;
    }
    void press(int b) {
        if (!enabled[b]) {
            return;
        }
        enabled[2] = answers.size() >= 3 * right.size();
        if (b == 0 && selLeft && selRight) {
            enter();
        } else if (b == 1 && selAnswer >= 0) {
            withdraw();
        } else if (b == 2 && !answers.empty()) {
            evaluate();
            enabled[3] = true;
            enabled[2] = false;
        } else if (b == 3 && enabled[0] && selLeft && selRight) {
            const int n = selLeft;
            enter();
            explanation = explanationOf(c, n);
            thumbnail(n);
            enabled[3] = false;
        } else if (b == 3 && !enabled[0] && selAnswer >= 0) {
            const int n = answers[static_cast<std::size_t>(selAnswer)].first;
            explanation = explanationOf(c, n);
            thumbnail(n);
            enabled[2] = false;
        }
    }

    const content::ContentTable& c;
    std::map<std::string, int> keyOf[2];
    std::set<int> left, right;
    std::vector<std::pair<int, int>> answers;
    int selLeft = 0, selRight = 0, selAnswer = -1; // keys of the selected phrases; 0 for none
    int pairs = 0;
    bool enabled[4] = {true, true, false, true};
    bool evaluated = false, checkVisible = false, pictureShown = false;
    std::string label = "Оставащи:";
    std::string explanation, check;
    int current = 0, thumb = 0;
};

struct SettingsModel {
    std::vector<std::string> record = keb::defaultRecord();
    bool open = false, opened = false;
    int target = 0;
    int slider[3] = {0, 0, 0};
    std::string applied[4]; // window, text background, text colour, size, once saved

    std::string& at(int i) { return record[static_cast<std::size_t>(i)]; }
    int item(int i) const { return std::stoi(record[static_cast<std::size_t>(i)]); }
    void set(int i, int value) { at(i) = std::to_string(value); }
    void loadSliders(int t) {
        for (int k = 0; k < 3; ++k) {
            slider[k] = item(keb::componentItem(t, k));
        }
    }
    // The stored font face stays whether or not it is installed, so the fonts play no part.
    void openWindow() {
        if (open) {
            return;
        }
        open = opened = true;
        target = 0;
        for (int t = 0; t < 4; ++t) {
            const int colour = item(keb::colourItem(t));
            for (int k = 0; k < 3; ++k) {
                set(keb::componentItem(t, k), (colour >> 8 * k) & 0xFF);
            }
        }
        loadSliders(0);
    }
    void moved(int k, int value) {
        if (value == slider[k]) {
            return;
        }
        slider[k] = value;
        set(keb::componentItem(target, k), value);
        set(keb::colourItem(target), slider[0] + 256 * slider[1] + 65536 * slider[2]);
    }
    void save() {
        for (int t = 0; t < 3; ++t) {
            applied[t] = at(keb::colourItem(t));
        }
        applied[3] = at(keb::kFontSizeItem);
        open = false;
    }
};

QRect handleOf(QSlider* s) {
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.orientation = s->orientation();
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.sliderPosition = s->sliderPosition();
    opt.sliderValue = s->value();
    opt.singleStep = s->singleStep();
    opt.pageStep = s->pageStep();
    opt.tickPosition = s->tickPosition();
    opt.tickInterval = s->tickInterval();
    opt.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s);
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, w->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, {});
    QApplication::sendEvent(w, &event);
}

class RandomLearner {
public:
    RandomLearner(unsigned seed, content::ContentTable table)
        : seed_(seed), random_(seed), table_(std::move(table)) {}

    void run(int actions) {
        while (done_ < actions) {
            episode(actions);
        }
    }

private:
    void episode(int actions) {
        test::Quiz quiz(table_);
        quiz_ = &quiz;
        QuizModel model(table_);
        model_ = &model;
        settings_ = SettingsModel{};
        for (int n = 1; n <= 30; ++n) {
            if (model.hasPicture(n)) {
                pictures_[n] =
                    ui::Picture::filled(10 + n, 10 + n, static_cast<ui::ColourNumber>(n));
                quiz.program.pictureWindow().putPicture(n, pictures_[n], 3000, 2000);
            }
        }
        model.thumb = -1; // the start-up's thumbnail came before the pictures
        // A quiz runs until some while after its evaluation; then a fresh program starts.
        int afterEvaluation = static_cast<int>(random_() % 60);
        while (done_ < actions && afterEvaluation > 0) {
            act();
            ++done_;
            step_ = done_;
            verify();
            if (::testing::Test::HasFatalFailure()) {
                done_ = actions;
                break;
            }
            if (model.evaluated) {
                --afterEvaluation;
            }
        }
        if (quiz_->program.settingsWindow()) {
            quiz_->program.settingsWindow()->hide();
        }
        quiz_ = nullptr;
        model_ = nullptr;
    }

    unsigned pick(unsigned n) { return static_cast<unsigned>(random_() % n); }

    // Each action is done one of three ways: mostly with the mouse, now and then with the keys
    // alone or through the accessibility interfaces alone, as switch access or a screen reader
    // drive the program.
    enum class Way { Mouse, Keys, Actions };
    Way way() {
        const unsigned w = pick(10);
        return w < 6 ? Way::Mouse : w < 9 ? Way::Keys : Way::Actions;
    }

    void act() {
        if (pick(64) == 0) {
            QApplication::processEvents(); // paints, layouts and deferred work, as a real loop
        }
        keb::SettingsWindow* settings = quiz_->program.settingsWindow();
        const unsigned choice = pick(settings ? 20 : 12);
        if (choice < 4) {
            choosePhrase(static_cast<int>(choice / 2));
        } else if (choice == 4) {
            chooseAnswer();
        } else if (choice < 10) {
            pressButton(choice < 7 ? 0 : static_cast<int>(choice) - 6);
        } else if (choice == 10) {
            pressThumbnail();
        } else if (choice == 11 && pick(4) == 0) {
            menu(quiz_->window(), "Cwqt", "Color", Qt::Key_C, Qt::AltModifier);
            settings_.openWindow();
        } else if (choice == 11) {
            pressButton(0);
        } else {
            settingsAction(*settings);
        }
    }

    // Clicks a command button, an option button or the thumbnail the way picked: with the
    // mouse, with Space, or by its accessible Press (Toggle for an option button). A disabled
    // button offers no Press; a button's Press animates the click for a tenth of a second, so it
    // is taken seldom.
    void activate(QWidget* window, const std::string& name) {
        QWidget* control = test::childIn(window, name.c_str());
        const bool option = name.starts_with("Option1");
        const bool button = name.starts_with("Uprawl");
        const Way w = way();
        if (w == Way::Keys) {
            control->setFocus(); // a disabled button takes neither the focus nor a key
            QTest::keyClick(control, Qt::Key_Space);
        } else if (w == Way::Actions && !button) {
            test::doAction(test::accessibleOf(window, name.c_str()),
                           option ? QAccessibleActionInterface::toggleAction()
                                  : QAccessibleActionInterface::pressAction());
        } else if (w == Way::Actions && control->isEnabled() && pick(20) == 0) {
            test::pressByAction(window, name.c_str());
        } else if (option) {
            test::clickOption(control);
        } else {
            QTest::mouseClick(control, Qt::LeftButton);
        }
    }

    void pressButton(int b) {
        activate(quiz_->window(), ui::elementName("Uprawl", b));
        model_->press(b);
    }

    void pressThumbnail() {
        activate(quiz_->window(), "Grafika_0");
        if (model_->hasPicture(model_->current)) {
            model_->pictureShown = true;
        }
    }

    // A menu command of a window, the way picked: clicked, its keys, or its accessible Press.
    void menu(QWidget* window, const char* command, const char* caption, Qt::Key shortcut,
              Qt::KeyboardModifiers modifiers) {
        const Way w = way();
        if (w == Way::Keys) {
            test::activate(window);
            test::key(shortcut, modifiers);
        } else if (w == Way::Actions) {
            test::pressMenuByAction(window, QString::fromUtf8(caption));
        } else {
            test::clickMenu(window, command);
        }
    }

    // Chooses a row of a list at random, the chosen way; returns it, or -1 where nothing moved:
    // an arrow key from the present selection that moves nothing raises nothing. Every click is
    // one, even on the row already selected.
    int chooseRow(QWidget* window, const char* name) {
        QListWidget* list = test::listIn(window, name);
        if (list->count() == 0) {
            return -1;
        }
        const int row = static_cast<int>(pick(static_cast<unsigned>(list->count())));
        const int selected = test::selectedRowOf(list);
        const Way w = way();
        if (w == Way::Keys && selected >= 0) {
            list->setFocus();
            QTest::keyClick(list, pick(2) ? Qt::Key_Down : Qt::Key_Up);
            const int landed = test::selectedRowOf(list);
            return landed == selected ? -1 : landed;
        }
        if (w == Way::Actions) {
            test::chooseByAction(window, name, row, pick(2) == 0);
        } else {
            test::clickListRow(list, row);
        }
        return row;
    }

    void choosePhrase(int side) {
        const char* name = side == 0 ? "Slowo_0" : "Slowo_1";
        QListWidget* list = test::listIn(quiz_->window(), name);
        const int row = chooseRow(quiz_->window(), name);
        if (row < 0) {
            return;
        }
        const int key = model_->keyOf[side].at(test::fromQ(list->item(row)->text()));
        (side == 0 ? model_->selLeft : model_->selRight) = key;
        if (side == 0) {
            model_->current = key;
            model_->thumbnail(key);
        }
    }

    void chooseAnswer() {
        const int row = chooseRow(quiz_->window(), "Slowo_2");
        if (row >= 0) {
            model_->selectAnswer(row);
        }
    }

    void settingsAction(keb::SettingsWindow& w) {
        QWidget* window = w.controls().form.widget();
        const unsigned choice = pick(10);
        if (choice == 0) {
            const int i = static_cast<int>(pick(3));
            activate(window, ui::elementName("Option1", i));
            settings_.target = i;
            settings_.loadSliders(i);
        } else if (choice < 5) {
            const int k = static_cast<int>(pick(3));
            auto* s = qobject_cast<QSlider*>(
                test::childIn(window, ui::elementName("Slider1", k).c_str()));
            moveSlider(s);
            settings_.moved(k, s->value());
        } else if (choice < 7) {
            QListWidget* sizes = test::listIn(window, "List_font_1");
            const int row = chooseRow(window, "List_font_1");
            if (row >= 0) {
                settings_.at(keb::kFontSizeItem) = test::fromQ(sizes->item(row)->text());
            }
        } else if (choice == 7) {
            menu(window, "mnu_zapis", "Запис", Qt::Key_S, Qt::ControlModifier);
            settings_.save();
        } else {
            if (choice == 8) {
                menu(window, "mnu_Otkaz", "Отказ", Qt::Key_Escape, {});
            } else {
                window->close();
            }
            settings_.open = false;
        }
    }

    void moveSlider(QSlider* s) {
        const unsigned how = pick(4);
        if (how == 0) {
            const Qt::Key keys[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                    Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
            s->setFocus();
            QTest::keyClick(s, keys[pick(6)]);
        } else if (how == 1) { // a click on the track, left or right of the handle
            QTest::mouseClick(s, Qt::LeftButton, {},
                              QPoint(static_cast<int>(pick(static_cast<unsigned>(s->width()))),
                                     handleOf(s).center().y()));
        } else if (how == 2) { // a value given through the accessibility interface
            QAccessible::queryAccessibleInterface(s)->valueInterface()->setCurrentValue(
                static_cast<int>(pick(256)));
        } else { // a drag of the handle in a few steps
            QPoint at = handleOf(s).center();
            sendMouse(s, QEvent::MouseButtonPress, at, Qt::LeftButton);
            for (unsigned i = 0, n = 1 + pick(4); i < n; ++i) {
                at.setX(std::clamp(at.x() + static_cast<int>(pick(81)) - 40, 0, s->width()));
                sendMouse(s, QEvent::MouseMove, at, Qt::LeftButton);
                // Every step of a drag writes the record at once.
                settings_.moved(s->objectName().back().digitValue(), s->value());
            }
            sendMouse(s, QEvent::MouseButtonRelease, at, Qt::NoButton);
        }
    }

    void verify() {
        SCOPED_TRACE(::testing::Message() << "seed " << seed_ << ", action " << step_);
        const keb::QuizControls& m = quiz_->main();
        const QuizModel& model = *model_;
        const auto& danni = table_.danni;
        // Each phrase list holds the model's phrases, sorted, with each key beside its phrase.
        ASSERT_NO_FATAL_FAILURE(test::expectKeysBesidePhrases(*quiz_));
        const std::set<int>* lists[2] = {&model.left, &model.right};
        for (int side = 0; side < 2; ++side) {
            const ui::ListBox& list = m.Slowo[side];
            ASSERT_EQ(list.count(), static_cast<int>(lists[side]->size()));
            std::set<int> shown;
            for (int p = 0; p < list.count(); ++p) {
                shown.insert(model.keyOf[side].at(list.item(p)));
                if (p > 0) {
                    ASSERT_FALSE(test::codePageLess(list.item(p), list.item(p - 1)));
                }
            }
            ASSERT_EQ(shown, *lists[side]);
            const int selected = side == 0 ? model.selLeft : model.selRight;
            const int at = list.listIndex();
            ASSERT_EQ(at < 0 ? 0 : model.keyOf[side].at(list.item(at)), selected);
        }
        // The answers in order, with their keys; every phrase in exactly one place.
        ASSERT_EQ(m.Slowo[2].count(), static_cast<int>(model.answers.size()));
        for (int a = 0; a < m.Slowo[2].count(); ++a) {
            const auto [l, r] = model.answers[static_cast<std::size_t>(a)];
            ASSERT_EQ(m.dum_N[2].item(a), std::to_string(l));
            ASSERT_EQ(m.dum_N[3].item(a), std::to_string(r));
            ASSERT_EQ(model.left.count(l), 0u);
            ASSERT_EQ(model.right.count(r), 0u);
        }
        ASSERT_EQ(model.left.size() + model.answers.size(), danni[0].size());
        ASSERT_EQ(model.right.size() + model.answers.size(), danni[1].size());
        ASSERT_EQ(m.Slowo[2].listIndex(), model.selAnswer);

        ASSERT_EQ(m.Ndapis->caption(), model.label);
        for (int b = 0; b < 4; ++b) {
            ASSERT_EQ(m.Uprawl[b].isEnabled(), model.enabled[b]) << "button " << b;
        }
        ASSERT_EQ(m.Prowerka[0].text(), model.explanation);
        ASSERT_EQ(m.Prowerka[1].isVisible(), model.checkVisible);
        if (!model.check.empty()) {
            ASSERT_EQ(m.Prowerka[1].text(), model.check);
        }
        ASSERT_EQ(m.Tekusht_nomer, model.current);
        if (model.hasPicture(model.thumb)) {
            ASSERT_TRUE(m.Grafika[0].picture().sharesImageWith(pictures_.at(model.thumb)));
        } else {
            ASSERT_TRUE(m.Grafika[0].picture().isNull());
        }
        ASSERT_EQ(quiz_->program.pictureWindow().controls().form.isVisible(), model.pictureShown);

        // Settings: the record, the window and what "Запис" applied.
        ASSERT_EQ(m.Cweta[0].items(), settings_.record);
        keb::SettingsWindow* w = quiz_->program.settingsWindow();
        ASSERT_EQ(w != nullptr, settings_.open);
        if (settings_.opened) {
            for (int t = 0; t < 4; ++t) {
                ASSERT_EQ(settings_.item(keb::colourItem(t)),
                          settings_.item(keb::componentItem(t, 0)) +
                              256 * settings_.item(keb::componentItem(t, 1)) +
                              65536 * settings_.item(keb::componentItem(t, 2)));
            }
        }
        if (w) {
            ASSERT_EQ(w->controls().target, settings_.target);
            for (int k = 0; k < 3; ++k) {
                ASSERT_EQ(w->controls().Slider1[k].value(), settings_.slider[k]);
            }
        }
        if (!settings_.applied[0].empty()) {
            ASSERT_EQ(std::to_string(m.form.backColor()), settings_.applied[0]);
            ASSERT_EQ(std::to_string(m.Slowo[2].backColor()), settings_.applied[1]);
            ASSERT_EQ(std::to_string(m.Prowerka[0].foreColor()), settings_.applied[2]);
            ASSERT_EQ(m.Slowo[0].font().points, std::stod(settings_.applied[3]));
        }
        ASSERT_EQ(quiz_->platform.endCount, 0);
    }

    unsigned seed_;
    std::mt19937 random_;
    content::ContentTable table_;
    test::Quiz* quiz_ = nullptr;
    QuizModel* model_ = nullptr;
    SettingsModel settings_;
    std::map<int, ui::Picture> pictures_;
    int done_ = 0, step_ = 0;
};

content::ContentTable withPictures() {
    content::ContentTable table = content::builtinContent();
    for (int n : {1, 2, 3, 5, 8, 13, 21}) {
        table.pictureFlags[static_cast<std::size_t>(n)] = "1";
    }
    return table;
}

// On the real display servers every action waits on the server, so the runs there are shorter.
int actionsPerRun() {
    const std::string platform = test::platform();
    return platform == "windows"   ? 500
           : platform == "wayland" ? 2500
           : platform == "x11"     ? 5000
                                   : 25000;
}

struct Run {
    unsigned seed;
    const char* name;
    content::ContentTable (*content)();
};

class RandomLearnerRun : public ::testing::TestWithParam<Run> {};

} // namespace

// Eight runs of 25,000 actions offscreen, 200,000 in all, on fixed seeds so that a failure
// replays.
TEST_P(RandomLearnerRun, KeepsToTheModel) {
    RandomLearner(GetParam().seed, GetParam().content()).run(actionsPerRun());
}

INSTANTIATE_TEST_SUITE_P(
    RandomLearner, RandomLearnerRun,
    ::testing::Values(Run{1, "BuiltInContentSeed1", content::builtinContent},
                      Run{2, "BuiltInContentSeed2", content::builtinContent},
                      Run{3, "BuiltInContentSeed3", content::builtinContent},
                      Run{4, "WithPicturesSeed4", withPictures},
                      Run{5, "WithPicturesSeed5", withPictures},
                      Run{6, "EightAndTenPairsSeed6", [] { return test::numberedContent(8, 10); }},
                      Run{7, "TenAndEightPairsSeed7", [] { return test::numberedContent(10, 8); }},
                      Run{8, "ThreePairsSeed8", [] { return test::numberedContent(3, 3); }}),
    [](const ::testing::TestParamInfo<Run>& run) { return std::string(run.param.name); });
