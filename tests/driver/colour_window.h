#pragma once

// The colour and font window as the learner drives it, opened from the quiz window's menu.

#include <QString>
#include <string>

class QListWidget;
class QSlider;
class QWidget;

namespace keb {
struct SettingsControls;
}

namespace test {

class Quiz;

class ColourWindow {
public:
    // Opens the window with the quiz window's "Color".
    explicit ColourWindow(const Quiz& quiz);

    // The window as it stands.
    const keb::SettingsControls& window() const;
    QWidget* widget() const;
    QSlider* slider(int k) const;
    QListWidget* sizes() const;
    QString readout() const;
    QString valueLabel(int k) const;
    // The settings record's item, as the quiz window keeps it.
    std::string record(int item) const;

    // Chooses the colour target i.
    void option(int i) const;
    // Moves a slider to a value with keys, as a learner at the keyboard does.
    void slideTo(int k, int value) const;
    // One large step of a slider, up or down.
    void step(int k, bool up) const;
    void chooseSize(const QString& size) const;
    void chooseSizeAt(int row) const;
    void save() const;
    void cancel() const;
    void closeBox() const;

private:
    const Quiz& quiz_;
};

// One round of a long session: the window opened, a slider stepped and a size chosen, then
// closed by "Запис", "Отказ" or its close box in turn; the window is gone at the end.
void openAdjustAndClose(const Quiz& quiz, int round);

} // namespace test
