#pragma once

// The checks the window tests share beside the driver: what a screen reader hears, the keys
// beside the phrases, renderings and the lists' shape, with GoogleTest.

#include "actions.h"
#include "colour_window.h"
#include "keys.h"
#include "quiz.h"

#include <QString>
#include <QStringList>
#include <ostream>
#include <string>
#include <vector>

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

// What a screen reader is told while one lives, as the toolkit tells it: each accessible focus
// ("focus: " and the name, a list's row among them) and each notification shown ("news: " and
// its text). The toolkit tells only where its accessibility bridge is active: on X11 and Wayland,
// where the suite turns it on; the headless platform has none, nor has Wine a client of the
// Windows interfaces, and there nothing is told.
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

// Where anything is told, what was told since the last look, from the given position on (a
// negative one counts from the end).
void expectHeard(Heard& heard, const QStringList& expected, int from = 0);

// Each phrase list's hidden keys stand beside their phrases, row for row, each naming its
// phrase's place in the content; each answer reads as the phrases its two keys name.
void expectKeysBesidePhrases(const Quiz& quiz);

// Saves a rendering for the eye, in a folder of the platform's; returns the image.
QImage saveGrab(QWidget* widget, const char* fileName);

// The platform the tests run on: "offscreen", "windows", "x11" or "wayland".
std::string platform();

// A list as a classic list box shows it: no sideways scroll bar, rows as wide as the list, and
// every row that fits visible and taking a click, down to the list's foot.
void expectScrollsOnlyUpAndDown(QListWidget* list);
// The share of the list's lowest row of pixels inside its frame, left of a vertical scroll bar,
// that shows the list's own background or selection colour, in a rendering of the window.
double footInListColours(QListWidget* list, QWidget* window, const QImage& rendering);

} // namespace test
