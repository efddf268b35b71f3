// An outside monkey: starts the built program on an X server and drives it with real X events
// from a fixed seed, as a learner's hands and a window manager would: clicks anywhere in its
// windows, keys (Tab, arrows, Home, End, the page keys, Space, Return, Escape, the menus'
// mnemonics and shortcuts), drags across the sliders, the wheel, and the close request a window
// manager sends. It starts the program again whenever it ends, and every few actions checks that
// the event loop still answers a window manager's ping.
//
// It fails, naming the seed and the action, on a crash, an exit other than a normal one, any
// line on standard error (a sanitizer's report or a toolkit warning) or a ping left unanswered.
//
//   keb_monkey --program PATH [--seed N] [--seconds S] [--actions N]
//
// The program runs with the monkey's environment (DISPLAY and the session bus) on xcb. Every
// third start it runs without a session bus, as on a machine that has none.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <random>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPingEvery = 5;
constexpr auto kPingPatience = std::chrono::seconds(10);
constexpr auto kStartPatience = std::chrono::seconds(30);

struct Options {
    std::string program;
    unsigned seed = 1;
    double seconds = 60;
    long actions = -1;
};

// The program's windows come and go while the monkey looks at them: a request about a window that
// is gone fails, and is passed over.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

[[noreturn]] void usage() {
    std::fprintf(stderr,
                 "usage: keb_monkey --program PATH [--seed N] [--seconds S] [--actions N]\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        const char* value = argv[i + 1];
        if (arg == "--program") {
            o.program = value;
        } else if (arg == "--seed") {
            o.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        } else if (arg == "--seconds") {
            o.seconds = std::strtod(value, nullptr);
        } else if (arg == "--actions") {
            o.actions = std::strtol(value, nullptr, 10);
        } else {
            usage();
        }
    }
    if (argc % 2 == 0 || o.program.empty()) {
        usage();
    }
    return o;
}

// The program under test: its process and what it writes on standard error.
class Program {
public:
    explicit Program(std::string path) : path_(std::move(path)) {}

    void start(bool withSessionBus) {
        int pipeFds[2];
        if (pipe(pipeFds) != 0) {
            std::perror("pipe");
            std::exit(1);
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(pipeFds[1], STDERR_FILENO);
            close(pipeFds[0]);
            close(pipeFds[1]);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            if (!withSessionBus) {
                unsetenv("DBUS_SESSION_BUS_ADDRESS");
            }
            execl(path_.c_str(), path_.c_str(), static_cast<char*>(nullptr));
            std::perror("exec");
            _exit(127);
        }
        close(pipeFds[1]);
        errors_ = pipeFds[0];
        fcntl(errors_, F_SETFL, O_NONBLOCK);
        written_.clear();
        status_.reset();
    }

    pid_t pid() const { return pid_; }

    // What the program wrote on standard error since it started.
    const std::string& errors() {
        char buffer[4096];
        while (errors_ >= 0) {
            const ssize_t n = read(errors_, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            written_.append(buffer, static_cast<std::size_t>(n));
        }
        return written_;
    }

    // The exit status once the process has ended, else nothing; it stays known until the next
    // start.
    std::optional<int> ended() {
        int status = 0;
        if (status_ || pid_ <= 0 || waitpid(pid_, &status, WNOHANG) != pid_) {
            return status_;
        }
        pid_ = -1;
        errors();
        close(errors_);
        errors_ = -1;
        status_ = status;
        return status_;
    }

    // Waits a while for the process to end on its own.
    std::optional<int> awaitEnd(std::chrono::milliseconds patience) {
        const auto until = Clock::now() + patience;
        while (Clock::now() < until) {
            if (auto status = ended()) {
                return status;
            }
            usleep(10000);
        }
        return std::nullopt;
    }

    void kill() {
        if (pid_ > 0 && !status_) {
            ::kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
            close(errors_);
            errors_ = -1;
        }
    }

private:
    std::string path_;
    pid_t pid_ = -1;
    int errors_ = -1;
    std::string written_;
    std::optional<int> status_;
};

class Monkey {
public:
    Monkey(Options options) : options_(std::move(options)), random_(options_.seed) {
        display_ = XOpenDisplay(nullptr);
        if (!display_) {
            std::fprintf(stderr, "keb_monkey: cannot open the X display\n");
            std::exit(1);
        }
        XSetErrorHandler(ignoreXError);
        root_ = DefaultRootWindow(display_);
        // Ping answers come to the root window, as to a window manager; the toolkit sends them
        // to those who watch the root window's structure.
        XSelectInput(display_, root_, StructureNotifyMask | SubstructureNotifyMask);
        protocols_ = XInternAtom(display_, "WM_PROTOCOLS", False);
        deleteWindow_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
        ping_ = XInternAtom(display_, "_NET_WM_PING", False);
        pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
        int event = 0, error = 0, major = 0, minor = 0;
        if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
            std::fprintf(stderr, "keb_monkey: the X server has no XTEST extension\n");
            std::exit(1);
        }
        mapCyrillicKeys();
    }

    int run() {
        const auto until =
            Clock::now() + std::chrono::milliseconds(static_cast<long>(options_.seconds * 1000));
        const auto begun = Clock::now();
        start();
        while (options_.actions >= 0 ? actions_ < options_.actions : Clock::now() < until) {
            ++actions_;
            act();
            XSync(display_, False);
            usleep(2000);
            checkStillRunning();
            if (actions_ % kPingEvery == 0) {
                pingAll();
            }
        }
        finish();
        const double minutes = std::chrono::duration<double>(Clock::now() - begun).count() / 60.0;
        std::printf("keb_monkey: seed %u, %ld actions in %.1f minutes, %d restarts, longest ping "
                    "%.1f ms: no crash, no report, no hang\n",
                    options_.seed, actions_, minutes, starts_ - 1, longestPingMs_);
        return 0;
    }

private:
    [[noreturn]] void fail(const std::string& what) {
        std::fprintf(stderr, "keb_monkey: FAILED at seed %u, action %ld (%s), start %d (%s): %s\n",
                     options_.seed, actions_, last_.c_str(), starts_,
                     starts_ % 3 != 0 ? "with a session bus" : "without a session bus",
                     what.c_str());
        const std::string& errors = program_.errors();
        if (!errors.empty()) {
            std::fprintf(stderr, "--- the program's standard error ---\n%s\n", errors.c_str());
        }
        if (std::getenv("KEB_MONKEY_STACKS") && program_.pid() > 0) {
            const std::string command = "gdb -p " + std::to_string(program_.pid()) +
                                        " -batch -ex 'thread apply all bt' 1>&2";
            std::system(command.c_str());
        }
        program_.kill();
        std::exit(1);
    }

    void start() {
        ++starts_;
        const bool withBus = starts_ % 3 != 0;
        program_.start(withBus);
        const auto until = Clock::now() + kStartPatience;
        while (Clock::now() < until) {
            if (!windows().empty()) {
                pingAll();
                return;
            }
            checkStillRunning();
            usleep(20000);
        }
        fail("the program showed no window");
    }

    // Ends the program as the learner would: the close box of its main window.
    void finish() {
        last_ = "closing the quiz window at the end";
        std::string shown;
        bool closed = false;
        for (Window w : windows()) {
            shown += " \"" + title(w) + "\"";
            if (title(w).find("KEB по География") != std::string::npos) {
                sendDelete(w);
                closed = true;
            }
        }
        XSync(display_, False);
        const auto status = program_.awaitEnd(std::chrono::seconds(30));
        if (!status) {
            fail(closed ? "the program did not end when its window was closed"
                        : "the quiz window was not among the program's windows:" + shown);
        }
        judgeEnd(*status);
    }

    void judgeEnd(int status) {
        if (WIFSIGNALED(status)) {
            fail("the program was killed by signal " + std::to_string(WTERMSIG(status)));
        }
        if (WEXITSTATUS(status) != 0) {
            fail("the program exited with status " + std::to_string(WEXITSTATUS(status)));
        }
        if (!program_.errors().empty()) {
            fail("the program wrote on standard error");
        }
    }

    void checkStillRunning() {
        if (!program_.errors().empty()) {
            fail("the program wrote on standard error");
        }
        if (const auto status = program_.ended()) {
            judgeEnd(*status);
            if (std::getenv("KEB_MONKEY_VERBOSE")) {
                std::fprintf(stderr, "ended after: %s\n", last_.c_str());
            }
            start(); // it ended normally: the next learner begins
        }
    }

    // The program's mapped top-level windows.
    std::vector<Window> windows() {
        std::vector<Window> found;
        Window rootReturn = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, root_, &rootReturn, &parent, &children, &count)) {
            return found;
        }
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display_, children[i], &attributes) ||
                attributes.map_state != IsViewable || attributes.override_redirect) {
                continue;
            }
            if (pidOf(children[i]) == program_.pid()) {
                found.push_back(children[i]);
            }
        }
        if (children) {
            XFree(children);
        }
        return found;
    }

    long pidOf(Window w) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        long pid = -1;
        if (XGetWindowProperty(display_, w, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                               &items, &after, &data) == Success &&
            data && items == 1 && format == 32) {
            pid = *reinterpret_cast<long*>(data);
        }
        if (data) {
            XFree(data);
        }
        return pid;
    }

    std::string title(Window w) {
        XTextProperty text;
        std::string result;
        const Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
        if (XGetTextProperty(display_, w, &text, netName) && text.value) {
            result.assign(reinterpret_cast<const char*>(text.value), text.nitems);
            XFree(text.value);
        }
        return result;
    }

    struct Box {
        int x = 0, y = 0, width = 0, height = 0;
    };

    std::optional<Box> boxOf(Window w) {
        XWindowAttributes a;
        Window child = 0;
        Box box;
        if (!XGetWindowAttributes(display_, w, &a) ||
            !XTranslateCoordinates(display_, w, root_, 0, 0, &box.x, &box.y, &child)) {
            return std::nullopt;
        }
        box.width = a.width;
        box.height = a.height;
        return box;
    }

    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    void act() {
        const std::vector<Window> mine = windows();
        if (mine.empty()) {
            usleep(20000); // the program is ending, or between two windows
            return;
        }
        const Window w = mine[static_cast<std::size_t>(pick(static_cast<int>(mine.size())))];
        const int choice = pick(100);
        if (choice < 42) {
            click(w);
        } else if (choice < 77) {
            key(w);
        } else if (choice < 89) {
            drag(w);
        } else if (choice < 95) {
            wheel(w);
        } else {
            last_ = "close request to a window";
            // The quiz window's close ends the program; the monkey closes it less often.
            if (title(w).find("KEB по География") == std::string::npos || pick(25) == 0) {
                sendDelete(w);
            }
        }
    }

    void moveTo(int x, int y) { XTestFakeMotionEvent(display_, -1, x, y, CurrentTime); }

    void button(unsigned b, bool down) { XTestFakeButtonEvent(display_, b, down, CurrentTime); }

    std::optional<std::pair<int, int>> somewhereIn(Window w) {
        const auto box = boxOf(w);
        if (!box || box->width < 2 || box->height < 2) {
            return std::nullopt;
        }
        return std::pair{box->x + pick(box->width), box->y + pick(box->height)};
    }

    void click(Window w) {
        const auto at = somewhereIn(w);
        if (!at) {
            return;
        }
        moveTo(at->first, at->second);
        const int kind = pick(10);
        const unsigned b = kind == 0 ? Button3 : Button1;
        last_ = (kind == 0   ? "right click at "
                 : kind == 1 ? "double click at "
                             : "click at ") +
                std::to_string(at->first) + "," + std::to_string(at->second);
        for (int i = 0; i < (kind == 1 ? 2 : 1); ++i) {
            button(b, true);
            button(b, false);
        }
    }

    static std::vector<std::string> split(const std::string& text, char by) {
        std::vector<std::string> parts;
        for (std::size_t from = 0, to = 0; from <= text.size(); from = to + 1) {
            to = std::min(text.find(by, from), text.size());
            parts.push_back(text.substr(from, to - from));
        }
        return parts;
    }

    // Presses keys by their X names joined by "+" ("Alt_L+c"), releasing them in reverse.
    void chord(const std::string& names) {
        std::vector<KeyCode> codes;
        for (const std::string& name : split(names, '+')) {
            codes.push_back(XKeysymToKeycode(display_, XStringToKeysym(name.c_str())));
            if (codes.back() == 0) {
                return;
            }
        }
        for (KeyCode c : codes) {
            XTestFakeKeyEvent(display_, c, True, CurrentTime);
        }
        for (auto c = codes.rbegin(); c != codes.rend(); ++c) {
            XTestFakeKeyEvent(display_, *c, False, CurrentTime);
        }
    }

    void key(Window w) {
        // The menus' mnemonics and shortcuts come last: "Color" (Alt+C), "Запис" (Alt+З,
        // Ctrl+S), "Отказ" (Alt+О), then the two that end the program, "Exit" (Alt+E, Ctrl+Q).
        static const std::vector<std::string> keys =
            split("Tab Shift_L+Tab Up Down Left Right Home End Prior Next space Return Escape "
                  "Alt_L+c Alt_L+Cyrillic_ZE Alt_L+Cyrillic_O Control_L+s Alt_L+e Control_L+q",
                  ' ');
        // The keys that end the program come seldom, so that a learner gets somewhere.
        const int count = static_cast<int>(keys.size());
        const std::string& k =
            keys[static_cast<std::size_t>(pick(200) == 0 ? count - 1 - pick(2) : pick(count - 2))];
        last_ = "key " + k;
        // A window manager gives the focus to the window the learner works in.
        XSetInputFocus(display_, w, RevertToParent, CurrentTime);
        chord(k);
    }

    // A drag across the window, mostly along the colour window's slider rows.
    void drag(Window w) {
        const auto box = boxOf(w);
        if (!box) {
            return;
        }
        int x = box->x + 30 + pick(std::max(1, std::min(200, box->width - 30)));
        int y = box->y + pick(std::max(1, box->height));
        if (title(w).find("Формиране") != std::string::npos && pick(4) != 0) {
            // Below the menu bar, the three slider rows stand 32 pixels apart from y = 104.
            y = box->y + 23 + 114 + 32 * pick(3) + pick(7) - 3;
        }
        last_ = "drag from " + std::to_string(x) + "," + std::to_string(y);
        moveTo(x, y);
        button(Button1, true);
        for (int step = 0, steps = 1 + pick(6); step < steps; ++step) {
            x = std::clamp(x + pick(81) - 40, box->x, box->x + box->width - 1);
            moveTo(x, y);
            XSync(display_, False);
            usleep(1000);
        }
        button(Button1, false);
    }

    void wheel(Window w) {
        const auto at = somewhereIn(w);
        if (!at) {
            return;
        }
        const unsigned b = pick(2) ? Button4 : Button5;
        last_ = std::string("wheel ") + (b == Button4 ? "up" : "down") + " at " +
                std::to_string(at->first) + "," + std::to_string(at->second);
        moveTo(at->first, at->second);
        for (int i = 0, n = 1 + pick(3); i < n; ++i) {
            button(b, true);
            button(b, false);
        }
    }

    void sendDelete(Window w) { sendProtocol(w, deleteWindow_, CurrentTime); }

    void sendProtocol(Window w, Atom protocol, Time stamp) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = protocols_;
        e.xclient.format = 32;
        e.xclient.data.l[0] = static_cast<long>(protocol);
        e.xclient.data.l[1] = static_cast<long>(stamp);
        e.xclient.data.l[2] = static_cast<long>(w);
        XSendEvent(display_, w, False, NoEventMask, &e);
    }

    // A window manager's ping to every window of the program; each must come back.
    void pingAll() {
        for (Window w : windows()) {
            const Time stamp = ++pingStamp_;
            const auto sent = Clock::now();
            sendProtocol(w, ping_, stamp);
            XFlush(display_);
            if (!awaitPong(w, stamp, sent + kPingPatience)) {
                // A window closed meanwhile answers no more, nor does a program that ended: the
                // next check judges how it ended.
                const std::vector<Window> now = windows();
                if (program_.ended() || std::find(now.begin(), now.end(), w) == now.end()) {
                    continue;
                }
                fail("the event loop did not answer a ping within 10 s");
            }
            longestPingMs_ =
                std::max(longestPingMs_,
                         std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
        }
    }

    bool awaitPong(Window w, Time stamp, Clock::time_point until) {
        auto nextLook = Clock::now() + std::chrono::milliseconds(200);
        while (Clock::now() < until) {
            while (XPending(display_)) {
                XEvent e;
                XNextEvent(display_, &e);
                if (e.type == ClientMessage && e.xclient.window == root_ &&
                    static_cast<Atom>(e.xclient.data.l[0]) == ping_ &&
                    static_cast<Time>(e.xclient.data.l[1]) == stamp &&
                    static_cast<Window>(e.xclient.data.l[2]) == w) {
                    return true;
                }
            }
            pollfd fd{ConnectionNumber(display_), POLLIN, 0};
            poll(&fd, 1, 20);
            if (Clock::now() > nextLook) {
                // A window that closed meanwhile, or a program that ended, answers no more.
                const std::vector<Window> now = windows();
                if (std::find(now.begin(), now.end(), w) == now.end()) {
                    return false;
                }
                nextLook = Clock::now() + std::chrono::milliseconds(200);
            }
        }
        return false;
    }

    // The virtual X server's keyboard is American: two spare key codes get the Cyrillic letters
    // of the colour window's mnemonics.
    void mapCyrillicKeys() {
        int low = 0, high = 0;
        XDisplayKeycodes(display_, &low, &high);
        int perCode = 0;
        KeySym* map =
            XGetKeyboardMapping(display_, static_cast<KeyCode>(low), high - low + 1, &perCode);
        std::vector<KeySym> wanted = {XK_Cyrillic_ZE, XK_Cyrillic_O};
        for (int code = high; code >= low && !wanted.empty(); --code) {
            bool empty = true;
            for (int i = 0; i < perCode; ++i) {
                empty = empty && map[(code - low) * perCode + i] == NoSymbol;
            }
            if (empty) {
                KeySym sym = wanted.back();
                wanted.pop_back();
                XChangeKeyboardMapping(display_, code, 1, &sym, 1);
            }
        }
        XFree(map);
        XSync(display_, False);
    }

    Options options_;
    std::mt19937 random_;
    Display* display_ = nullptr;
    Window root_ = 0;
    Atom protocols_ = 0, deleteWindow_ = 0, ping_ = 0, pidAtom_ = 0;
    Program program_{options_.program};
    long actions_ = 0;
    int starts_ = 0;
    Time pingStamp_ = 1000;
    double longestPingMs_ = 0;
    std::string last_ = "starting";
};

} // namespace

int main(int argc, char** argv) {
    signal(SIGPIPE, SIG_IGN);
    Monkey monkey(parse(argc, argv));
    return monkey.run();
}
