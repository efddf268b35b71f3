#include "colour_window.h"

#include "quiz.h"
#include "settings/settings_window.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTest>

namespace test {

ColourWindow::ColourWindow(const Quiz& quiz) : quiz_(quiz) {
    quiz_.menu("Cwqt");
    require(quiz_.program.settingsWindow() != nullptr, "the colour window did not open");
}

const keb::SettingsControls& ColourWindow::window() const {
    keb::SettingsWindow* settings = quiz_.program.settingsWindow();
    require(settings != nullptr, "the colour window is closed");
    return settings->controls();
}

QWidget* ColourWindow::widget() const {
    return window().form.widget();
}

QSlider* ColourWindow::slider(int k) const {
    auto* s =
        qobject_cast<QSlider*>(childIn(widget(), qPrintable(QStringLiteral("Slider1_%1").arg(k))));
    require(s != nullptr, "no slider " + std::to_string(k));
    return s;
}

QString ColourWindow::readout() const {
    return qobject_cast<QLabel*>(childIn(widget(), "Label_Cv_3"))->text();
}

QString ColourWindow::valueLabel(int k) const {
    return qobject_cast<QLabel*>(
               childIn(widget(), qPrintable(QStringLiteral("Label_ST_%1").arg(k))))
        ->text();
}

void ColourWindow::option(int i) const {
    clickOption(childIn(widget(), qPrintable(QStringLiteral("Option1_%1").arg(i))));
}

void ColourWindow::slideTo(int k, int value) const {
    QSlider* s = slider(k);
    s->setFocus();
    QTest::keyClick(s, Qt::Key_Home);
    for (int i = 0; i < value / 10; ++i) {
        QTest::keyClick(s, Qt::Key_PageUp);
    }
    for (int i = 0; i < value % 10; ++i) {
        QTest::keyClick(s, Qt::Key_Right);
    }
}

void ColourWindow::step(int k, bool up) const {
    QTest::keyClick(slider(k), up ? Qt::Key_PageUp : Qt::Key_PageDown);
}

void ColourWindow::chooseSize(const QString& size) const {
    const auto found = sizes()->findItems(size, Qt::MatchExactly);
    require(!found.isEmpty(), "no size " + fromQ(size));
    clickListRow(sizes(), sizes()->row(found.first()));
}

void openAdjustAndClose(const Quiz& quiz, int round) {
    const ColourWindow colours(quiz);
    require(QTest::qWaitForWindowExposed(colours.widget(), kPatience),
            "the colour window is not shown");
    colours.step(round % 3, round % 2 != 0);
    colours.chooseSizeAt(round % colours.sizes()->count());
    if (round % 3 == 0) {
        colours.save();
    } else if (round % 3 == 1) {
        colours.cancel();
    } else {
        colours.closeBox();
    }
    QApplication::processEvents(); // the closed window goes once its own event is handled
    require(quiz.program.settingsWindow() == nullptr, "the colour window is still there");
}

} // namespace test
