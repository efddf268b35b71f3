#include "ui/application.h"

#include "ui/language.h"

#include <QApplication>
#include <QStyleFactory>

namespace ui {

void useTheProgramsLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

Application::Application(int& argc, char** argv)
    : app_(std::make_unique<QApplication>(argc, argv)) {
    QApplication::setApplicationName(QStringLiteral("keb"));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.keb.KEB"));
    // The program decides itself when it ends: its store windows are hidden, not closed.
    QApplication::setQuitOnLastWindowClosed(false);
    speakBulgarian();
    useTheProgramsLook();
}

Application::~Application() = default;

int Application::run() {
    return QApplication::exec();
}

} // namespace ui
