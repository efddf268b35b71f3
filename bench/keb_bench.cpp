// Measures the quiz: start-up against a plain Qt window showing the same content, in process
// and from exec to the first painted frame on X11; every learner action of a whole test;
// start-up and a withdrawal as the content grows; and peak memory. Prints a table.
//
//   keb_bench            the whole table (the first-frame rows when DISPLAY names an X server)
//   keb_bench --memory plain|program
//                        (used by the table) shows one window and prints the peak resident size
//   keb_bench --first-frame plain|program
//                        (used by the table) shows one window, says "frame" once it is painted
//   keb_bench --repeat startup|actions
//                        runs one measure many times over, for a profiler to watch
//   keb_bench --window plain|working
//                        shows the plain window, or the same doing the quiz's work with stock
//                        Qt, until it is closed, for a screen reader to follow beside the quiz
//                        (bench/screen_reader_cost.py)

#include "colour_window.h"
#include "memory.h"
#include "quiz.h"
#include "ui/application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#if defined(_WIN32)
#include <windows.h>
// windows.h first: psapi.h builds on it.
#include <psapi.h>
#endif

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

double msSince(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Lets the event loop run what a shown window needs: layout, expose and paint.
void settle() {
    QApplication::processEvents();
    QApplication::processEvents();
}

content::ContentTable pairs(int n) {
    return n == 50 ? content::builtinContent() : test::numberedContent(n, n);
}

// The same content in a plain Qt window, as a comparator for the start-up: a menu bar, the same
// 100 phrases in two sorted lists and an answer list, the instruction text, the buttons, label
// and picture box, in the same places, font and colours; no program behind them.
std::unique_ptr<QMainWindow> plainWindow() {
    const content::ContentTable content = content::builtinContent();
    auto window = std::make_unique<QMainWindow>();
    window->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    window->setWindowTitle(QString::fromStdString(content.danni[3][0]));
    window->menuBar()->addAction(QStringLiteral("Exit"));
    window->menuBar()->addAction(QStringLiteral("Color"));
    auto* client = new QWidget(window.get());
    window->setCentralWidget(client);
    client->setFixedSize(750, 467);
    QPalette green = client->palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    client->setPalette(green);
    client->setAutoFillBackground(true);
    const QRect lists[] = {{8, 32, 209, 137}, {224, 32, 305, 137}, {56, 176, 625, 99}};
    for (int i = 0; i < 3; ++i) {
        auto* list = new QListWidget(client);
        list->setGeometry(lists[i]);
        if (i < 2) {
            list->setSortingEnabled(true);
            for (const std::string& phrase : content.danni[static_cast<std::size_t>(i)]) {
                list->addItem(QString::fromStdString(phrase));
            }
        }
    }
    const char* captions[] = {"Избрах", "Върни", "Оцени", "Обясни"};
    const QColor colours[] = {{255, 128, 0}, {255, 255, 128}, {192, 192, 255}, {0, 192, 0}};
    const QRect buttons[] = {
        {80, 280, 81, 25}, {312, 280, 81, 25}, {560, 280, 81, 25}, {648, 3, 81, 25}};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(captions[i]), client);
        button->setGeometry(buttons[i]);
        QPalette p = button->palette();
        p.setColor(QPalette::Button, colours[i]);
        button->setPalette(p);
    }
    auto* label = new QLabel(QStringLiteral("Оставащи:"), client);
    label->setGeometry(296, 0, 97, 25);
    label->setAutoFillBackground(true);
    auto* text = new QPlainTextEdit(client);
    text->setGeometry(120, 312, 609, 137);
    text->setPlainText(QString::fromStdString(content.ukazanie)
                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    auto* picture = new QFrame(client);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setGeometry(8, 312, 105, 89);
    return window;
}

// The plain window doing the quiz's work with stock Qt alone, as a comparator for what a screen
// reader hears: the lists and buttons have the quiz's names and hints, "Избрах" moves the
// selected pair into the answers and shows the count on the label; each phrase list starts at
// its first row, selected, and one whose selected row went has no current row, so that the first
// key in it chooses a row, as in the quiz.
std::unique_ptr<QMainWindow> workingWindow() {
    auto window = plainWindow();
    const QList<QListWidget*> lists = window->findChildren<QListWidget*>();
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    const char* names[] = {"Изрази от лявото поле", "Изрази от дясното поле",
                           "Набор от вече въведени отговори"};
    for (int i = 0; i < 3; ++i) {
        lists[i]->setAccessibleName(QString::fromUtf8(names[i]));
        lists[i]->setToolTip(i < 2 ? QStringLiteral("Посочете елемента в релацията") : QString());
        lists[i]->setCurrentRow(i < 2 ? 0 : -1);
    }
    const char* buttonTips[] = {"Натиснете бутон за избор",
                                "Изтрива / възстановява направения избор",
                                "Преустановява теста и формира оценка", "Дава обяснения"};
    for (int i = 0; i < 4; ++i) {
        buttons[i]->setToolTip(QString::fromUtf8(buttonTips[i]));
    }
    QLabel* label = window->findChild<QLabel*>();
    QObject::connect(buttons[0], &QPushButton::clicked, [lists, label] {
        const QList<QListWidgetItem*> state = lists[0]->selectedItems();
        const QList<QListWidgetItem*> capital = lists[1]->selectedItems();
        if (state.isEmpty() || capital.isEmpty()) {
            return;
        }
        lists[2]->addItem(state[0]->text() + QLatin1Char(' ') + capital[0]->text());
        delete state[0];
        delete capital[0];
        lists[0]->setCurrentRow(-1);
        lists[1]->setCurrentRow(-1);
        label->setText(QStringLiteral("Остават: %1").arg(lists[0]->count()));
    });
    return window;
}

double startPlain() {
    QElapsedTimer t;
    t.start();
    auto window = plainWindow();
    window->show();
    settle();
    return msSince(t);
}

double startProgram(int n) {
    QElapsedTimer t;
    t.start();
    const test::Quiz quiz(pairs(n));
    settle();
    return msSince(t);
}

// Times of each kind of learner action, each including the repaint it causes.
struct ActionTimes {
    std::vector<std::pair<std::string, std::vector<double>>> kinds;
    void time(const std::string& kind, const std::function<void()>& action) {
        QElapsedTimer t;
        t.start();
        action();
        settle();
        const double ms = msSince(t);
        for (auto& [name, times] : kinds) {
            if (name == kind) {
                times.push_back(ms);
                return;
            }
        }
        kinds.push_back({kind, {ms}});
    }
};

ActionTimes wholeTest() {
    const test::Quiz quiz;
    settle();
    ActionTimes times;
    for (int n = 1; n <= 50; ++n) {
        const int left = quiz.rowOf(0, quiz.phrase(0, n));
        times.time("select a state", [&] { quiz.clickItem("Slowo_0", left); });
        // A capital that is taken already gives way to the first one left.
        const int right = std::max(quiz.rowOf(1, quiz.phrase(1, (n + n / 4) % 50 + 1)), 0);
        times.time("select a capital", [&] { quiz.clickItem("Slowo_1", right); });
        times.time("enter a pair", [&] { quiz.pressChoose(); });
    }
    times.time("evaluate", [&] { quiz.pressEvaluate(); });
    for (int a = 0; a < 50; ++a) {
        times.time("select an answer", [&] { quiz.clickItem("Slowo_2", a); });
        times.time("explain", [&] { quiz.pressExplain(); });
    }
    return times;
}

// The same test through the handlers alone, without toolkit events or painting: what the
// program's own procedures cost per action.
std::vector<double> handlersOnly() {
    const test::Quiz quiz;
    settle();
    keb::MainWindow& m = quiz.program.mainWindow();
    // The lists' selections set from code, as the program's own procedures set them.
    ui::ListBox* list[3];
    for (int i = 0; i < 3; ++i) {
        list[i] = &test::controlIn<ui::ListBox>(quiz.window(), ui::elementName("Slowo", i).c_str());
    }
    std::vector<double> ms;
    const auto time = [&](const std::function<void()>& action) {
        QElapsedTimer t;
        t.start();
        action();
        ms.push_back(msSince(t));
    };
    for (int n = 1; n <= 50; ++n) {
        time([&] { list[0]->setListIndex(0); });
        time([&] { list[1]->setListIndex(n % 2 ? 0 : list[1]->count() - 1); });
        time([&] { m.Uprawl_Click(0); });
    }
    time([&] { m.Uprawl_Click(2); });
    for (int a = 0; a < 50; ++a) {
        time([&] { list[2]->setListIndex(a); });
        time([&] { m.Uprawl_Click(3); });
    }
    return ms;
}

double withdrawal(int n) {
    const test::Quiz quiz(pairs(n));
    settle();
    quiz.pressChoose(); // the first phrases are selected at start-up
    settle();
    quiz.clickItem("Slowo_2", 0);
    settle();
    QElapsedTimer t;
    t.start();
    quiz.pressWithdraw();
    settle();
    return msSince(t);
}

struct Memory {
    double heapMiB = 0;
    double residentMiB = 0;
};

Memory memoryNow() {
    constexpr double kMiB = 1024.0 * 1024.0;
    return {static_cast<double>(test::heapInUse()) / kMiB,
            static_cast<double>(test::residentBytes()) / kMiB};
}

// The colour window opened, a slider moved, a size chosen and the window closed, again and
// again: the memory after 1, 100 and 2,000 openings.
std::vector<std::pair<int, Memory>> openingsOfTheColourWindow() {
    const test::Quiz quiz;
    settle();
    std::vector<std::pair<int, Memory>> after;
    for (int opening = 1; opening <= 2000; ++opening) {
        test::openAdjustAndClose(quiz, opening);
        settle();
        if (opening == 1 || opening == 100 || opening == 2000) {
            after.emplace_back(opening, memoryNow());
        }
    }
    return after;
}

long memoryOf(const char* exe, const char* what) {
    QProcess child;
    child.start(QString::fromLocal8Bit(exe), {QStringLiteral("--memory"), QLatin1String(what)});
    child.waitForFinished(60000);
    return child.readAllStandardOutput().trimmed().toLong();
}

// The peak resident size of the process, in kilobytes.
long long peakResidentKilobytes() {
#if defined(_WIN32)
    PROCESS_MEMORY_COUNTERS c{};
    c.cb = sizeof c;
    return GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c)
               ? static_cast<long long>(c.PeakWorkingSetSize / 1024)
               : 0;
#else
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
    }
    return 0;
#endif
}

int memoryMode(const std::string& what) {
    std::unique_ptr<QMainWindow> plain;
    std::unique_ptr<test::Quiz> quiz;
    if (what == "plain") {
        plain = plainWindow();
        plain->show();
    } else {
        quiz = std::make_unique<test::Quiz>();
    }
    settle();
    std::printf("%lld\n", peakResidentKilobytes());
    return 0;
}

// Writes "frame" once the first frame of the window is painted and handed to the display
// server, then ends: the parent times this process from its start to that line.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget* window) : window_(window) {
        QApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Expose && window_->windowHandle() == watched &&
            window_->windowHandle()->isExposed()) {
            seen_ = true;
            // The expose paints and flushes the window; this runs once that is done.
            QTimer::singleShot(0, [] {
                QGuiApplication::sync();
                std::printf("frame\n");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool seen_ = false;
};

int firstFrameMode(const std::string& what) {
    std::unique_ptr<QMainWindow> plain;
    std::unique_ptr<test::Quiz> quiz;
    std::unique_ptr<FirstFrame> watch;
    if (what == "plain") {
        plain = plainWindow();
        watch = std::make_unique<FirstFrame>(plain.get());
        plain->show();
    } else {
        quiz = std::make_unique<test::Quiz>();
        watch = std::make_unique<FirstFrame>(quiz->window());
    }
    return QApplication::exec();
}

// Where the first frames are timed: the X server that DISPLAY names, or Windows' own screen
// (under Wine, the X server Wine draws on).
struct Screen {
    const char* platform;
    const char* name;
};
#if defined(Q_OS_WIN)
constexpr Screen kScreen{"windows", "on Windows (Wine on Xvfb)"};
bool haveScreen() {
    return true;
}
#else
constexpr Screen kScreen{"xcb", "on X11 (Xvfb)"};
bool haveScreen() {
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}
#endif

// From the start of a process to its first painted frame, in ms, or -1 when none came.
double firstFrame(const char* exe, const char* what) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QLatin1String(kScreen.platform));
    child.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    child.start(QString::fromLocal8Bit(exe),
                {QStringLiteral("--first-frame"), QLatin1String(what)});
    while (child.state() != QProcess::NotRunning || child.bytesAvailable() > 0) {
        if (child.canReadLine() && child.readLine().startsWith("frame")) {
            const double ms = msSince(t);
            child.waitForFinished(10000);
            return ms;
        }
        child.waitForReadyRead(10000);
        if (t.elapsed() > 20000) {
            break;
        }
    }
    child.kill();
    child.waitForFinished();
    return -1;
}

struct Summary {
    double min = 0;
    double median = 0;
    double p95 = 0;
};

Summary summarise(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    if (v.empty()) {
        return {};
    }
    const auto at = [&](double q) {
        return v[std::min(v.size() - 1,
                          static_cast<std::size_t>(q * static_cast<double>(v.size())))];
    };
    return {v.front(), at(0.5), at(0.95)};
}

void row(const std::string& what, const std::string& measured, const char* goal, bool met,
         bool judged = true) {
    std::printf("| %-52s | %-38s | %-22s | %-7s |\n", what.c_str(), measured.c_str(), goal,
                !judged ? "-"
                : met   ? "reached"
                        : "not yet");
}

std::string fixed(double v, int digits = 2) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", digits, v);
    return buf;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[1] : "";
    // Headless, but for the first frames; on Windows every row runs on its own platform, as
    // Wine hands the program no font folder for the headless one.
#if !defined(Q_OS_WIN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    QApplication app(argc, argv);
    ui::useTheProgramsLook(); // as the program looks
    if (mode == "--memory") {
        return memoryMode(argv[2]);
    }
    if (mode == "--first-frame") {
        return firstFrameMode(argv[2]);
    }
    if (mode == "--window") {
        const auto plain = std::string(argv[2]) == "working" ? workingWindow() : plainWindow();
        plain->show();
        return QApplication::exec();
    }
    if (mode == "--repeat") {
        for (int i = 0; i < 200; ++i) {
            if (std::string(argv[2]) == "startup") {
                startProgram(50);
            } else {
                wholeTest();
            }
        }
        return 0;
    }

    std::printf("| %-52s | %-38s | %-22s | %-7s |\n", "measure", "measured", "goal", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(54, '-').c_str(), std::string(40, '-').c_str(),
                std::string(24, '-').c_str(), std::string(9, '-').c_str());

    // Warm up fonts and styles once, then alternate the two start-ups.
    startPlain();
    startProgram(50);
    std::vector<double> plain;
    std::vector<double> quiz;
    for (int i = 0; i < 25; ++i) {
        plain.push_back(startPlain());
        quiz.push_back(startProgram(50));
    }
    const double startRatio = median(quiz) / median(plain);
    row("start-up in process, against a plain Qt window",
        fixed(median(quiz)) + " ms / " + fixed(median(plain)) + " ms = " + fixed(startRatio) + "x",
        "at most 1.3x", startRatio <= 1.3);

    // From exec to the first painted frame on the screen, the two programs in turns.
    if (haveScreen()) {
        std::vector<double> quizFrames;
        std::vector<double> plainFrames;
        firstFrame(argv[0], "program");
        firstFrame(argv[0], "plain");
        for (int i = 0; i < 30; ++i) {
            quizFrames.push_back(firstFrame(argv[0], "program"));
            plainFrames.push_back(firstFrame(argv[0], "plain"));
        }
        const Summary q = summarise(quizFrames);
        const Summary b = summarise(plainFrames);
        row(std::string("exec to first frame ") + kScreen.name + ", the quiz (30x)",
            "min " + fixed(q.min, 1) + ", median " + fixed(q.median, 1) + " ms", "-", true, false);
        row(std::string("exec to first frame ") + kScreen.name + ", plain Qt (30x)",
            "min " + fixed(b.min, 1) + ", median " + fixed(b.median, 1) + " ms", "-", true, false);
        const double frameRatio = b.median > 0 ? q.median / b.median : 0;
        row("exec to first frame, the quiz against plain Qt",
            "medians " + fixed(frameRatio) + "x, minima " + fixed(b.min > 0 ? q.min / b.min : 0) +
                "x",
            "at most 1.3x", frameRatio <= 1.3);
    }

    const ActionTimes actions = wholeTest();
    std::vector<double> all;
    for (const auto& [kind, ms] : actions.kinds) {
        all.insert(all.end(), ms.begin(), ms.end());
        const Summary s = summarise(ms);
        row("whole test, " + kind + " (" + std::to_string(ms.size()) + "x)",
            "median " + fixed(s.median, 3) + ", 95th " + fixed(s.p95, 3) + " ms", "each under 1 ms",
            s.p95 < 1.0);
    }
    const Summary everything = summarise(all);
    row("whole test, every action (" + std::to_string(all.size()) + " samples)",
        "median " + fixed(everything.median, 3) + ", 95th " + fixed(everything.p95, 3) + " ms",
        "each under 1 ms", everything.p95 < 1.0);
    const Summary own = summarise(handlersOnly());
    row("whole test, the handlers alone (no paint)",
        "median " + fixed(own.median, 3) + ", 95th " + fixed(own.p95, 3) + " ms", "-", true, false);
    for (int n : {50, 1000, 10000}) {
        std::vector<double> s;
        std::vector<double> w;
        for (int i = 0; i < (n == 10000 ? 3 : 7); ++i) {
            s.push_back(startProgram(n));
            w.push_back(withdrawal(n));
        }
        row("start-up, " + std::to_string(n) + " pairs", fixed(median(s)) + " ms", "-", true,
            false);
        row("one withdrawal with repaint, " + std::to_string(n) + " pairs",
            fixed(median(w), 3) + " ms", n == 10000 ? "within 16 ms" : "-", median(w) <= 16.0,
            n == 10000);
    }
    // Flat: within 1 MiB from the 100th opening to the 2,000th.
    const auto openings = openingsOfTheColourWindow();
    const auto series = [&](double Memory::*part) {
        std::string text;
        for (const auto& [opening, memory] : openings) {
            text += (text.empty() ? "" : " / ") + fixed(memory.*part, 1);
        }
        return text + " MiB";
    };
    const auto flat = [&](double Memory::*part) {
        return openings.size() == 3 && openings[2].second.*part - openings[1].second.*part < 1.0;
    };
    row("heap after 1 / 100 / 2000 colour-window openings", series(&Memory::heapMiB),
        "flat after warm-up", flat(&Memory::heapMiB));
    row("resident after 1 / 100 / 2000 openings", series(&Memory::residentMiB),
        "flat after warm-up", flat(&Memory::residentMiB));
    const long plainKb = memoryOf(argv[0], "plain");
    const long quizKb = memoryOf(argv[0], "program");
    const double memRatio =
        plainKb ? static_cast<double>(quizKb) / static_cast<double>(plainKb) : 0;
    row("peak memory against the plain Qt window",
        std::to_string(quizKb / 1024) + " MiB / " + std::to_string(plainKb / 1024) +
            " MiB = " + fixed(memRatio) + "x",
        "at most 1.25x", memRatio <= 1.25);
    return 0;
}
