#pragma once

// The colour and font window as the learner drives it, opened from the quiz window's menu.

#include "quiz.h"

#include <QString>
#include <QWidget>
#include <string>

class QSlider;

namespace keb {
struct SettingsControls;
}

namespace test {

class ColourWindow {
public:
    // Opens the window with the quiz window's "Color".
    explicit ColourWindow(const Quiz& quiz);

    // The window as it stands.
    const keb::SettingsControls& window() const;
    QWidget* widget() const;
    QSlider* slider(int k) const;
    QListWidget* sizes() const { return listIn(widget(), "List_font_1"); }
    QString readout() const;
    QString valueLabel(int k) const;
    // The settings record's item, as the quiz window keeps it.
    std::string record(int item) const { return quiz_.main().Cweta[0].item(item); }

    // Chooses the colour target i.
    void option(int i) const;
    // Moves a slider to a value with keys, as a learner at the keyboard does.
    void slideTo(int k, int value) const;
    // One large step of a slider, up or down.
    void step(int k, bool up) const;
    void chooseSize(const QString& size) const;
    void chooseSizeAt(int row) const { clickListRow(sizes(), row); }
    void save() const { clickMenu(widget(), "mnu_zapis"); }
    void cancel() const { clickMenu(widget(), "mnu_Otkaz"); }
    void closeBox() const { widget()->close(); }

private:
    const Quiz& quiz_;
};

// One round of a long session: the window opened, a slider stepped and a size chosen, then
// closed by "Запис", "Отказ" or its close box in turn; the window is gone at the end.
void openAdjustAndClose(const Quiz& quiz, int round);

} // namespace test
