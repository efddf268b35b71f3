#pragma once

// A learner at the keyboard and mouse of a fresh program, for the tests and the benchmark. What
// cannot be done (a control that is not there, a row out of range) throws DriverFailure, which
// ends the test it stands in.

#include "app/program.h"
#include "content/content_store.h"
#include "content/content_table.h"
#include "contents.h"
#include "quiz/main_window.h"
#include "settings/settings_record.h"
#include "ui/control.h"
#include "ui/platform.h"

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <string>
#include <vector>

class QAccessibleInterface;
class QListWidget;
class QWidget;

namespace test {

class DriverFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws DriverFailure with the message unless the condition holds.
void require(bool condition, const std::string& message);

QWidget* childIn(QWidget* window, const char* name);
QListWidget* listIn(QWidget* window, const char* name);
void clickListRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {});
// The row the learner sees selected; -1 if none.
int selectedRowOf(QListWidget* list);
void clickMenu(QWidget* window, const char* actionName);
QString toQ(const std::string& text);
std::string fromQ(const QString& text);

// Records that the program ended instead of ending the test; lists the fonts it is given.
class RecordingPlatform : public ui::Platform {
public:
    void endProcess() override { ++endCount; }
    std::vector<std::string> fontFamilies() const override { return fonts; }

    int endCount = 0;
    std::vector<std::string> fonts{"Liberation Sans", "Liberation Serif", "Times New Roman",
                                   "DejaVu Sans"};
};

// A started program with the built-in content or the given one, and the settings record given.
class Quiz {
public:
    explicit Quiz(content::ContentTable table = content::builtinContent(),
                  std::vector<std::string> settingsRecord = keb::defaultRecord());
    // The quiz window as it stands.
    const keb::QuizControls& main() const { return program.mainWindow().controls(); }
    QWidget* window() const { return main().form.widget(); }

    // What the learner sees in a list of the quiz window, top to bottom.
    QStringList shown(const char* listName) const;
    int selectedRow(const char* listName) const {
        return selectedRowOf(listIn(window(), listName));
    }
    // The row of a phrase in a list of the quiz window, as the program keeps it; -1 if absent.
    int rowOf(int list, const std::string& text) const;
    // Phrase n (from 1) of a side of the content.
    const std::string& phrase(int side, int n) const;

    // Learner actions on the quiz window.
    void clickItem(const char* listName, int row) const {
        clickListRow(listIn(window(), listName), row);
    }
    void clickItem(const char* listName, const QString& text) const;
    void press(const char* buttonName) const;
    void pressChoose() const { press("Uprawl_0"); }
    void pressWithdraw() const { press("Uprawl_1"); }
    void pressEvaluate() const { press("Uprawl_2"); }
    void pressExplain() const { press("Uprawl_3"); }
    void clickThumbnail() const;
    void menu(const char* actionName) const { clickMenu(window(), actionName); }
    // Enters left phrase n with right phrase m (content positions, from 1).
    void enterPair(int left, int right) const;
    // Enters the correct pairs from..to.
    void enterCorrect(int from, int to) const;
    // The scenes the README shows, from the start of the built-in quiz: during a test, three
    // answers entered and a pair selected; after the evaluation, of 38 answers (one withdrawn
    // first), 37 correct.
    void playDuringATest() const;
    void playToTheEvaluation() const;

    QString label() const { return toQ(main().Ndapis->caption()); }
    QString explanationBox() const { return toQ(main().Prowerka[0].text()); }

    RecordingPlatform platform;
    mutable keb::Program program;
};

// The longest a test waits for an event it needs (a window shown, the accessibility bridge on),
// in milliseconds: enough for a busy machine. A test that passes waits only until the event.
constexpr int kPatience = 60000;

// Runs what the events handled so far posted, as the event loop does between two of the
// learner's actions.
void letEventsRun();

// The control behind a named widget of the window, to set from code: only for states no learner
// can reach.
template <class T> T& controlIn(QWidget* window, const char* name) {
    auto* control = dynamic_cast<T*>(ui::Control::of(childIn(window, name)));
    require(control != nullptr, std::string(name) + " is no such control");
    return *control;
}
// A click on an option button's round box, as a learner aims it.
void clickOption(QWidget* option);
// The accessible interface of a named control of the window.
QAccessibleInterface* accessibleOf(QWidget* window, const char* name);
// How many top-level windows of this name (of any, without one) there are; only the visible
// ones if asked.
int windowCount(const char* name, bool visibleOnly = false);

} // namespace test
