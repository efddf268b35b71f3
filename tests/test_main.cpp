#include "ui/application.h"
#include "ui/language.h"

#include <QApplication>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// The headless platform says on every fixed-size window and every raised one that it cannot
// pass that on to a window system; that is no news to the tests.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// The platform a CTest entry runs on, from KEB_TEST_PLATFORM: offscreen (the default), windows,
// x11 or wayland. The last two run on a display server of the suite's own, whose start wrote how to
// reach it into KEB_DISPLAYS_DIR/<platform>/env. Without that file there is no server, and the
// tests must fail rather than run somewhere else.
bool reachPlatform() {
    // Wine hands a program none of the toolkit's own variables: an entry names them KEB_QT_…
    // instead, and they are set here as QT_… before the toolkit starts.
    for (const QString& name : QProcessEnvironment::systemEnvironment().keys()) {
        if (name.startsWith(QLatin1String("KEB_QT_"))) {
            qputenv(qPrintable(name.mid(4)), qgetenv(qPrintable(name)));
        }
    }
    const QByteArray platform = qgetenv("KEB_TEST_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !platform.isEmpty()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
#if defined(KEB_HEADLESS_FONTS)
        if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
            qputenv("QT_QPA_FONTDIR", KEB_HEADLESS_FONTS);
        }
#endif
        // A runtime folder of the tests' own where the session has none.
        static QTemporaryDir runtime;
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
            QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        }
        return true;
    }
    // On Windows the program's own platform, on the display Wine was started on.
    if (platform == "windows") {
        qputenv("QT_QPA_PLATFORM", "windows");
        return true;
    }
    if (platform != "x11" && platform != "wayland") {
        std::fprintf(stderr, "KEB_TEST_PLATFORM is offscreen, windows, x11 or wayland, not %s.\n",
                     platform.constData());
        return false;
    }
    qputenv("QT_QPA_PLATFORM", platform == "x11" ? "xcb" : "wayland");
    // The suite's servers stand in the build's own folder, unless a script names another.
    const QString displays = qEnvironmentVariableIsEmpty("KEB_DISPLAYS_DIR")
                                 ? QStringLiteral(KEB_DISPLAYS_DIR)
                                 : qEnvironmentVariable("KEB_DISPLAYS_DIR");
    // A run that needs a server of its own (another screen size, a screen of its own) names it.
    const QString server = qEnvironmentVariableIsEmpty("KEB_TEST_DISPLAY")
                               ? QString::fromLatin1(platform)
                               : qEnvironmentVariable("KEB_TEST_DISPLAY");
    const QString path = displays + "/" + server + "/env";
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr,
                     "No display server for the %s run: %s is missing, so its "
                     "Display.%s.Start entry failed or did not run.\n",
                     platform.constData(), qPrintable(path), qPrintable(server));
        return false;
    }
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const qsizetype equals = line.indexOf('=');
        if (equals > 0) {
            qputenv(line.left(equals).constData(), line.mid(equals + 1));
        }
    }
    return true;
}

// A failed ASSERT in a helper ends the test, not only the helper it stands in.
class FatalFailureEndsTheTest : public ::testing::EmptyTestEventListener {
    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (result.type() == ::testing::TestPartResult::kFatalFailure) {
            throw ::testing::AssertionException(result);
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    const bool listing = std::any_of(argv + 1, argv + argc, [](const char* arg) {
        return std::strcmp(arg, "--gtest_list_tests") == 0;
    });
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FatalFailureEndsTheTest);
    if (listing) {
        return RUN_ALL_TESTS(); // lists the tests; no window is made
    }
    if (!reachPlatform()) {
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::speakBulgarian(); // as the program does
    ui::useTheProgramsLook();
    const int result = RUN_ALL_TESTS();
    // The results are written and every test's windows are gone. At the toolkit's teardown its
    // Wayland platform waits for its event thread, which may sit reading from the compositor for
    // ever: the Wayland runs end here instead (leaks are not looked for there). The other
    // platforms take the whole teardown, with the leak check after it. Under Wine a test process
    // now and then stays on after its results are written, until its timeout: there too the
    // run ends here.
#if defined(Q_OS_WIN)
    const bool endHere = true;
#else
    const bool endHere = qgetenv("QT_QPA_PLATFORM") == "wayland";
#endif
    if (endHere) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
