#include "keys.h"

#include "quiz.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

namespace test {

QString focusedName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    require(QApplication::activeWindow() == window,
            "the window " + fromQ(window->objectName()) + " is not active");
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers) {
    QWidget* target =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    require(target != nullptr, "no window takes keys");
    QTest::keyClick(target, k, modifiers);
    // Not while the explanation box has the focus: on the headless compositor, which gives no
    // keyboard seat, the toolkit's Wayland platform fails drawing a text cursor there.
    if (!qobject_cast<QPlainTextEdit*>(QApplication::focusWidget())) {
        letEventsRun();
    }
}

void tabTo(const char* name) {
    for (int i = 0; i < 25 && focusedName() != QLatin1String(name); ++i) {
        key(Qt::Key_Tab);
    }
    require(focusedName() == QLatin1String(name), std::string("Tab does not reach ") + name +
                                                      "; the focus is on " + fromQ(focusedName()));
}

void selectRow(int row) {
    key(Qt::Key_Home);
    for (int i = 0; i < row; ++i) {
        key(Qt::Key_Down);
    }
}

} // namespace test
