#pragma once

// A learner at the keyboard and mouse of a fresh program, for tests.

#include "app/program.h"
#include "content/content_store.h"
#include "content/content_table.h"
#include "contents.h"
#include "quiz/main_window.h"
#include "ui/platform.h"

#include <QString>
#include <QStringList>
#include <ostream>
#include <string>
#include <vector>

class QAction;
class QImage;
class QListWidget;
class QWidget;

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[' << list.join(QStringLiteral("|")).toStdString() << ']';
}

namespace test {

// Records that the program ended instead of ending the test; lists the fonts it is given.
class RecordingPlatform : public ui::Platform {
public:
    void endProcess() override { ++endCount; }
    std::vector<std::string> fontFamilies() const override { return fonts; }

    int endCount = 0;
    std::vector<std::string> fonts{"Liberation Sans", "Liberation Serif", "Times New Roman",
                                   "DejaVu Sans"};
};

// A started program with the built-in content or the given one.
class Quiz {
public:
    explicit Quiz(content::ContentTable table = content::builtinContent());
    keb::MainWindow& main() const { return program.mainWindow(); }
    QWidget* window() const;

    // What the learner sees in a list of the quiz window, top to bottom.
    QStringList shown(const char* listName) const;
    int selectedRow(const char* listName) const;

    // Learner actions on the quiz window.
    void clickItem(const char* listName, int row) const;
    void clickItem(const char* listName, const QString& text) const;
    void press(const char* buttonName) const;
    void pressChoose() const { press("Uprawl_0"); }
    void pressWithdraw() const { press("Uprawl_1"); }
    void pressEvaluate() const { press("Uprawl_2"); }
    void pressExplain() const { press("Uprawl_3"); }
    void clickThumbnail() const;
    void menu(const char* actionName) const;
    // Enters left phrase n with right phrase m (content positions, from 1).
    void enterPair(int left, int right) const;

    QString label() const;
    QString explanationBox() const;

    RecordingPlatform platform;
    mutable keb::Program program;
};

// What a screen reader is told while one lives, as the toolkit tells it: each accessible focus
// ("focus: " and the name, a list's row among them) and each notification shown ("news: " and
// its text). The toolkit tells only where its accessibility bridge is active: on X11 and Wayland,
// where the suite turns it on; the headless platform has none, and there nothing is told.
class Heard {
public:
    Heard();
    ~Heard();
    Heard(const Heard&) = delete;
    Heard& operator=(const Heard&) = delete;
    bool listening() const { return listening_; }
    // What was told since the last call, once the events waiting have run.
    QStringList take();

private:
    bool listening_;
};

// Runs what the events handled so far posted, as the event loop does between two of the
// learner's actions.
void letEventsRun();

// Where anything is told, what was told since the last look, from the given position on (a
// negative one counts from the end).
void expectHeard(Heard& heard, const QStringList& expected, int from = 0);

QListWidget* listIn(QWidget* window, const char* name);
void clickListRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {});
void clickMenu(QWidget* window, const char* actionName);
QString toQ(const std::string& text);
std::string fromQ(const QString& text);

// Saves a rendering for the eye, in a folder of the platform's; returns the image.
QImage saveGrab(QWidget* widget, const char* fileName);

// The platform the tests run on: "offscreen", "x11" or "wayland".
std::string platform();

// A list as a classic list box shows it: no sideways scroll bar, rows as wide as the list, and
// every row that fits visible and taking a click, down to the list's foot.
void expectScrollsOnlyUpAndDown(QListWidget* list);
// The share of the list's lowest row of pixels inside its frame, left of a vertical scroll bar,
// that shows the list's own background or selection colour, in a rendering of the window.
double footInListColours(QListWidget* list, QWidget* window, const QImage& rendering);

} // namespace test
