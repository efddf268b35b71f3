// Measures the quiz: start-up against a bare window, every learner action of a whole test,
// start-up and a withdrawal as the content grows, and peak memory. Prints a table.
//
//   keb_bench            the whole table
//   keb_bench --memory bare|program
//                        (used by the table) shows one window and prints the peak resident size
//   keb_bench --repeat startup|actions
//                        runs one measure many times over, for a profiler to watch

#include "explain/picture_window.h"
#include "quiz/main_window.h"
#include "quiz/program.h"
#include "ui/platform.h"

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
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class QuietPlatform : public ui::Platform {
public:
    void endProcess() override {}
    std::vector<std::string> fontFamilies() const override { return {"Liberation Serif"}; }
};

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
    if (n == 50) {
        return content::builtinContent();
    }
    std::vector<std::string> left;
    std::vector<std::string> right;
    for (int i = 1; i <= n; ++i) {
        left.push_back("Щат " + std::to_string(i));
        right.push_back("Столица " + std::to_string(i) + " ");
    }
    return content::builtinContentWith(std::move(left), std::move(right));
}

// A window with a menu bar and as many widgets of the same kinds as the quiz window and the
// picture store that its start-up creates, all empty.
std::unique_ptr<QMainWindow> bareWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->menuBar()->addAction(QStringLiteral("Exit"));
    window->menuBar()->addAction(QStringLiteral("Color"));
    auto* client = new QWidget(window.get());
    window->setCentralWidget(client);
    client->setFixedSize(746, 467);
    for (int i = 0; i < 12; ++i) {
        auto* list = new QListWidget(client);
        list->setGeometry(10 + i * 5, 30, 200, 130);
        list->setVisible(i < 3);
    }
    for (int i = 0; i < 4; ++i) {
        new QPushButton(QStringLiteral("Бутон"), client);
    }
    new QLabel(QStringLiteral("Оставащи:"), client);
    new QPlainTextEdit(client);
    new QLineEdit(client);
    for (int i = 0; i < 2; ++i) {
        new QFrame(client);
    }
    auto* store = new QWidget(window.get(), Qt::Tool);
    for (int i = 0; i <= 30; ++i) {
        new QFrame(store);
    }
    new QListWidget(store);
    return window;
}

double startBare() {
    QElapsedTimer t;
    t.start();
    auto window = bareWindow();
    window->show();
    settle();
    return msSince(t);
}

double startProgram(int n, QuietPlatform& platform) {
    QElapsedTimer t;
    t.start();
    keb::Program program(platform, pairs(n));
    program.start();
    settle();
    return msSince(t);
}

QWidget* find(keb::Program& p, const char* name) {
    return p.mainWindow().form.widget()->findChild<QWidget*>(name);
}

void clickRow(keb::Program& p, const char* list, int row) {
    auto* w = static_cast<QListWidget*>(find(p, list));
    w->scrollToItem(w->item(row));
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, w->visualItemRect(w->item(row)).center());
}

void press(keb::Program& p, const char* button) {
    QTest::mouseClick(find(p, button), Qt::LeftButton);
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

ActionTimes wholeTest(QuietPlatform& platform) {
    keb::Program p(platform);
    p.start();
    settle();
    keb::MainWindow& m = p.mainWindow();
    ActionTimes times;
    for (int n = 1; n <= 50; ++n) {
        const auto& d = p.danni();
        const auto rowOf = [&](int side, const std::string& text) {
            const auto& items = m.Slowo[side].items();
            return static_cast<int>(std::find(items.begin(), items.end(), text) - items.begin());
        };
        const int left = rowOf(0, d.danni(0)[static_cast<std::size_t>(n - 1)]);
        times.time("select a state", [&] { clickRow(p, "Slowo_0", left); });
        const int right = rowOf(1, d.danni(1)[static_cast<std::size_t>((n + n / 4) % 50)]);
        times.time("select a capital", [&] { clickRow(p, "Slowo_1", right); });
        times.time("enter a pair", [&] { press(p, "Uprawl_0"); });
    }
    times.time("evaluate", [&] { press(p, "Uprawl_2"); });
    for (int a = 0; a < 50; ++a) {
        times.time("select an answer", [&] { clickRow(p, "Slowo_2", a); });
        times.time("explain", [&] { press(p, "Uprawl_3"); });
    }
    return times;
}

// The same test through the handlers alone, without toolkit events or painting: what the
// program's own procedures cost per action.
std::vector<double> handlersOnly(QuietPlatform& platform) {
    keb::Program p(platform);
    p.start();
    settle();
    keb::MainWindow& m = p.mainWindow();
    std::vector<double> ms;
    const auto time = [&](const std::function<void()>& action) {
        QElapsedTimer t;
        t.start();
        action();
        ms.push_back(msSince(t));
    };
    for (int n = 1; n <= 50; ++n) {
        time([&] { m.Slowo[0].setListIndex(0); });
        time([&] { m.Slowo[1].setListIndex(n % 2 ? 0 : m.Slowo[1].count() - 1); });
        time([&] { m.Uprawl_Click(0); });
    }
    time([&] { m.Uprawl_Click(2); });
    for (int a = 0; a < 50; ++a) {
        time([&] { m.Slowo[2].setListIndex(a); });
        time([&] { m.Uprawl_Click(3); });
    }
    return ms;
}

double withdrawal(int n, QuietPlatform& platform) {
    keb::Program p(platform, pairs(n));
    p.start();
    settle();
    press(p, "Uprawl_0"); // the first phrases are selected at start-up
    settle();
    clickRow(p, "Slowo_2", 0);
    settle();
    QElapsedTimer t;
    t.start();
    press(p, "Uprawl_1");
    settle();
    return msSince(t);
}

long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

long memoryOf(const char* exe, const char* what) {
    QProcess child;
    child.start(QString::fromLocal8Bit(exe), {QStringLiteral("--memory"), QLatin1String(what)});
    child.waitForFinished(60000);
    return child.readAllStandardOutput().trimmed().toLong();
}

int memoryMode(const std::string& what) {
    QuietPlatform platform;
    std::unique_ptr<QMainWindow> bare;
    std::unique_ptr<keb::Program> program;
    if (what == "bare") {
        bare = bareWindow();
        bare->show();
    } else {
        program = std::make_unique<keb::Program>(platform);
        program->start();
    }
    settle();
    std::printf("%ld\n", peakKilobytes());
    return 0;
}

void row(const char* what, const std::string& measured, const char* goal, bool met) {
    std::printf("| %-44s | %-30s | %-22s | %-7s |\n", what, measured.c_str(), goal,
                met ? "reached" : "not yet");
}

std::string fixed(double v, int digits = 2) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", digits, v);
    return buf;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "--memory") {
        return memoryMode(argv[2]);
    }
    QuietPlatform platform;
    if (argc == 3 && std::string(argv[1]) == "--repeat") {
        for (int i = 0; i < 200; ++i) {
            if (std::string(argv[2]) == "startup") {
                startProgram(50, platform);
            } else {
                wholeTest(platform);
            }
        }
        return 0;
    }

    // Warm up fonts and styles once, then alternate the two start-ups.
    startBare();
    startProgram(50, platform);
    std::vector<double> bare;
    std::vector<double> quiz;
    for (int i = 0; i < 15; ++i) {
        bare.push_back(startBare());
        quiz.push_back(startProgram(50, platform));
    }
    const double startRatio = median(quiz) / median(bare);

    const ActionTimes actions = wholeTest(platform);
    std::printf("| %-44s | %-30s | %-22s | %-7s |\n", "measure", "measured", "goal", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(32, '-').c_str(),
                std::string(24, '-').c_str(), std::string(9, '-').c_str());
    row("start-up, 50 pairs, against a bare window",
        fixed(median(quiz)) + " ms / " + fixed(median(bare)) + " ms = " + fixed(startRatio) + "x",
        "at most 1.3x", startRatio <= 1.3);
    for (const auto& [kind, ms] : actions.kinds) {
        double sum = 0;
        for (double v : ms) {
            sum += v;
        }
        const double worst = *std::max_element(ms.begin(), ms.end());
        row(("whole test, " + kind + " (" + std::to_string(ms.size()) + "x)").c_str(),
            "mean " + fixed(sum / static_cast<double>(ms.size()), 3) + ", worst " +
                fixed(worst, 3) + " ms",
            "each under 1 ms", worst < 1.0);
    }
    const std::vector<double> own = handlersOnly(platform);
    double ownSum = 0;
    for (double v : own) {
        ownSum += v;
    }
    row("whole test, the handlers alone (no paint)",
        "mean " + fixed(ownSum / static_cast<double>(own.size()), 3) + ", worst " +
            fixed(*std::max_element(own.begin(), own.end()), 3) + " ms",
        "-", true);
    for (int n : {50, 1000, 10000}) {
        std::vector<double> s;
        std::vector<double> w;
        for (int i = 0; i < (n == 10000 ? 3 : 7); ++i) {
            s.push_back(startProgram(n, platform));
            w.push_back(withdrawal(n, platform));
        }
        row(("start-up, " + std::to_string(n) + " pairs").c_str(), fixed(median(s)) + " ms", "-",
            true);
        row(("one withdrawal with repaint, " + std::to_string(n) + " pairs").c_str(),
            fixed(median(w), 3) + " ms", n == 10000 ? "within 16 ms" : "-",
            n != 10000 || median(w) <= 16.0);
    }
    const long bareKb = memoryOf(argv[0], "bare");
    const long quizKb = memoryOf(argv[0], "program");
    const double memRatio = bareKb ? static_cast<double>(quizKb) / static_cast<double>(bareKb) : 0;
    row("peak memory against the bare window",
        std::to_string(quizKb / 1024) + " MiB / " + std::to_string(bareKb / 1024) +
            " MiB = " + fixed(memRatio) + "x",
        "at most 1.25x", memRatio <= 1.25);
    return 0;
}
