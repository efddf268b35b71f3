#include "checks.h"
#include "settings/settings_record.h"
#include "settings/settings_window.h"
#include "ui/menu_command.h"

#include <QApplication>
#include <QImage>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

using test::Quiz;
using Settings = test::ColourWindow;

namespace {

QString readout(const char* number) {
    return QStringLiteral("Цвят в 10/16-тичен код = ") + QString::fromUtf8(number);
}

} // namespace

TEST(SettingsWindow, OpensFilledFromTheRecord) {
    Quiz quiz;
    Settings s(quiz);
    const keb::SettingsControls& w = s.window();
    EXPECT_EQ(w.form.caption(), "Формиране на цвят/избор на шрифт");
    EXPECT_EQ(w.form.clientWidth(), 5535);
    EXPECT_EQ(w.form.clientHeight(), 4710);
    EXPECT_EQ(w.form.backColor(), 0x808080u);
    EXPECT_EQ(w.target, 0);
    EXPECT_TRUE(w.Option1[0].value());
    EXPECT_FALSE(w.Option1[3].isVisible());
    EXPECT_FALSE(w.Label_Cv[8].isVisible());
    EXPECT_FALSE(w.List_font[0].isVisible());
    EXPECT_FALSE(w.List_font[2].isVisible());
    EXPECT_FALSE(w.mnu_Danni->isVisible());
    EXPECT_FALSE(w.mnu_Danni->isEnabled());
    EXPECT_EQ(w.Label_Cv[4].caption(), "Размер  шрифт");
    EXPECT_EQ(w.Slider1[1].toolTip(), "Промяна на стойн остта на зелената съставка ");
    EXPECT_EQ(w.Option1[0].toolTip(), " За настройване цвета на фона на формата ");
    EXPECT_EQ(w.Label_Cv[5].toolTip(), "За настройване цвета на фона на формата ");
    EXPECT_EQ(w.Label_Cv[7].toolTip(), " За настройване цвета на текста в текстовите полета ");
    EXPECT_EQ(w.Label_ST[2].toolTip(), "Цифрова стойност на синия цвят в обхвата [0 - 255] ");

    // Sliders at the window background's components; nothing formed yet.
    EXPECT_EQ(s.slider(0)->value(), 128);
    EXPECT_EQ(s.slider(1)->value(), 0);
    EXPECT_EQ(s.slider(0)->maximum(), 255);
    EXPECT_EQ(s.slider(0)->pageStep(), 10);
    EXPECT_EQ(s.valueLabel(0), QStringLiteral("R"));
    EXPECT_EQ(s.valueLabel(2), QStringLiteral("B"));
    EXPECT_EQ(s.readout(), QStringLiteral("Цвят"));
    // The components are worked out from the colour numbers: text background 16777215 is white.
    EXPECT_EQ(s.record(8), "255");
    EXPECT_EQ(s.record(9), "255");
    EXPECT_EQ(s.record(10), "255");
    EXPECT_EQ(s.record(12), "8");
    // The sample: "Шрифт" near-black on white, the preview dark red, size 12 selected.
    EXPECT_EQ(w.Text_Cv[0].text(), "Шрифт");
    EXPECT_EQ(w.Text_Cv[0].backColor(), 16777215u);
    EXPECT_EQ(w.Text_Cv[0].foreColor(), 8u);
    EXPECT_EQ(w.Text_Cv[0].font(), (ui::Font{"Times New Roman", 12.0}));
    EXPECT_EQ(w.picColor->backColor(), 128u);
    EXPECT_EQ(w.List_font[1].item(w.List_font[1].listIndex()), "12");
    // "Times New Roman" is among the fonts this platform lists.
    EXPECT_EQ(w.List_font[0].item(w.List_font[0].listIndex()), "Times New Roman");

    const QImage image = test::saveGrab(s.widget(), "settings_window.png");
    QWidget* client = w.form.clientArea();
    EXPECT_EQ(image.pixelColor(client->mapTo(s.widget(), QPoint(2, 200))), QColor(128, 128, 128));
}

TEST(SettingsWindow, SavingRecoloursTheQuizWindowButNotTheNextProgram) {
    Quiz quiz;
    Settings s(quiz);
    s.save();
    EXPECT_EQ(quiz.program.settingsWindow(), nullptr);
    const keb::QuizControls& m = quiz.main();
    EXPECT_EQ(m.form.backColor(), 128u);
    EXPECT_EQ(m.Slowo[2].backColor(), 16777215u);
    EXPECT_EQ(m.Slowo[0].foreColor(), 8u);
    EXPECT_EQ(m.Ndapis->backColor(), 16777215u);
    EXPECT_EQ(m.Ndapis->foreColor(), 8u);
    EXPECT_EQ(m.Prowerka[0].foreColor(), 8u);
    // The check box and the buttons keep their own colours.
    EXPECT_EQ(m.Prowerka[1].backColor(), 65280u);
    EXPECT_EQ(m.Uprawl[0].backColor(), 33023u);

    const QImage image = test::saveGrab(quiz.window(), "main_window_saved.png");
    const auto at = [&](const char* name, QPoint p) {
        QWidget* w =
            name ? quiz.window()->findChild<QWidget*>(name) : quiz.main().form.clientArea();
        return image.pixelColor(w->mapTo(quiz.window(), p));
    };
    EXPECT_EQ(at(nullptr, QPoint(3, 250)), QColor(128, 0, 0));
    EXPECT_EQ(at("Slowo_2", QPoint(100, 60)), QColor(255, 255, 255));
    EXPECT_EQ(at("Ndapis", QPoint(3, 3)), QColor(255, 255, 255));
    EXPECT_EQ(at("Uprawl_0", QPoint(4, 12)), QColor(255, 128, 0));

    // What one program saved, the next does not start from.
    Settings changed(quiz);
    changed.slideTo(0, 3);
    changed.chooseSize(QStringLiteral("9"));
    changed.save();
    const Quiz next;
    EXPECT_EQ(next.main().Cweta[0].items(), keb::defaultRecord());
    EXPECT_EQ(next.main().form.backColor(), 32768u);
}

TEST(SettingsWindow, BlueSliderAloneFormsPureBlue) {
    Quiz quiz;
    Settings s(quiz);
    s.slideTo(0, 0);
    s.slideTo(2, 255);
    EXPECT_EQ(s.readout(), readout("16711680 /HFF0000"));
    EXPECT_EQ(s.record(6), "255");
    EXPECT_EQ(s.record(4), "0");
    EXPECT_EQ(s.record(3), "16711680");
    EXPECT_EQ(s.valueLabel(2), QStringLiteral("255"));
    EXPECT_EQ(s.valueLabel(0), QStringLiteral("0"));
    // Target 0 is the window itself: it shows the colour live.
    EXPECT_EQ(s.window().form.backColor(), 16711680u);
    EXPECT_EQ(s.window().picColor->backColor(), 16711680u);
    // The quiz window waits for "Запис".
    EXPECT_EQ(quiz.main().form.backColor(), 32768u);

    s.slideTo(2, 0);
    EXPECT_EQ(s.readout(), readout("0 /H0"));
    EXPECT_EQ(s.record(3), "0");
}

TEST(SettingsWindow, AnOptionShowsItsComponentsAndEveryLearnerStepWritesTheRecord) {
    Quiz quiz;
    Settings s(quiz);
    s.option(2);
    EXPECT_EQ(s.window().target, 2);
    EXPECT_EQ(s.slider(0)->value(), 8);
    EXPECT_EQ(s.slider(1)->value(), 0);
    EXPECT_EQ(s.slider(2)->value(), 0);
    EXPECT_EQ(s.readout(), readout("8 /H8"));
    EXPECT_EQ(s.valueLabel(0), QStringLiteral("8"));
    EXPECT_EQ(s.window().form.backColor(), 0x808080u); // the window keeps its grey
    // Option clicks write nothing.
    EXPECT_EQ(s.record(11), "8");
    s.option(1);
    QSlider* green = s.slider(1);
    ASSERT_EQ(green->value(), 255);
    QTest::keyClick(green, Qt::Key_Left);
    EXPECT_EQ(s.record(9), "254");
    EXPECT_EQ(s.record(7), std::to_string(255 + 254 * 256 + 255 * 65536));
    QTest::keyClick(green, Qt::Key_PageDown);
    EXPECT_EQ(s.record(9), "244");
    // A click on the track left of the handle moves one large step. The ticks stand below the
    // track, so the track runs along the slider's upper part.
    QTest::mouseClick(green, Qt::LeftButton, {}, QPoint(4, 6));
    EXPECT_EQ(s.record(9), "234");
    EXPECT_EQ(s.window().Text_Cv[0].backColor(),
              static_cast<ui::ColourNumber>(255 + 234 * 256 + 255 * 65536));
    EXPECT_EQ(s.window().Option1[1].backColor(), s.window().Text_Cv[0].backColor());
}

TEST(SettingsWindow, SizeCancelledStaysInTheRecordUntilSaved) {
    Quiz quiz;
    {
        Settings s(quiz);
        s.chooseSize(QStringLiteral("14"));
        EXPECT_EQ(s.record(2), "14");
        EXPECT_EQ(s.window().Text_Cv[0].font().points, 14.0);
        s.cancel();
    }
    EXPECT_EQ(quiz.program.settingsWindow(), nullptr);
    EXPECT_EQ(quiz.main().Slowo[0].font().points, 12.0);
    EXPECT_EQ(quiz.main().form.backColor(), 32768u);
    Settings again(quiz);
    EXPECT_EQ(again.window().List_font[1].item(again.window().List_font[1].listIndex()), "14");
    again.save();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(quiz.main().Slowo[i].font().points, 14.0);
    }
    EXPECT_EQ(quiz.main().Prowerka[0].font().points, 14.0);
    EXPECT_EQ(quiz.main().Prowerka[1].font().points, 12.0);
}

TEST(SettingsWindow, AFontThatIsNotInstalledOrASizeNotListedIsStillApplied) {
    Quiz quiz;
    quiz.platform.fonts = {"DejaVu Sans", "Liberation Serif"};
    Settings s(quiz);
    EXPECT_EQ(s.window().List_font[0].count(), 2);
    EXPECT_EQ(s.window().List_font[0].listIndex(), -1);
    EXPECT_EQ(s.record(1), "Times New Roman");
    s.save();
    EXPECT_EQ(quiz.main().Slowo[0].font().face, "Times New Roman");
    EXPECT_EQ(quiz.main().Prowerka[0].font().face, "Times New Roman");

    std::vector<std::string> record = keb::defaultRecord();
    record[keb::kFontSizeItem] = "20";
    Quiz large(content::builtinContent(), record);
    Settings sized(large);
    EXPECT_EQ(sized.window().List_font[1].listIndex(), -1);
    EXPECT_EQ(sized.window().Text_Cv[0].font().points, 20.0);
}

// Closed, the window is destroyed; opened again, it is made anew and starts at the window
// background, whichever target it was closed on.
TEST(SettingsWindow, ReopeningAfterCancelStartsAtTheWindowBackground) {
    Quiz quiz;
    {
        Settings s(quiz);
        s.option(2);
        s.cancel();
    }
    QApplication::processEvents(); // the window goes once its own click is handled
    EXPECT_EQ(test::windowCount("Cwiat"), 0);
    {
        Settings s(quiz);
        EXPECT_EQ(test::windowCount("Cwiat"), 1);
        EXPECT_EQ(s.window().target, 0);
        s.option(2);
        s.slideTo(1, 200);
        EXPECT_EQ(s.record(11), std::to_string(8 + 200 * 256));
        s.widget()->close(); // the close box cancels
    }
    EXPECT_EQ(quiz.program.settingsWindow(), nullptr);
    Settings s(quiz);
    EXPECT_EQ(s.window().target, 0);
    EXPECT_TRUE(s.window().Option1[0].value());
    EXPECT_FALSE(s.window().Option1[2].value());
    EXPECT_EQ(s.slider(0)->value(), 128);
    EXPECT_EQ(s.slider(1)->value(), 0);
    EXPECT_EQ(s.readout(), QStringLiteral("Цвят"));
    EXPECT_EQ(s.window().Text_Cv[0].foreColor(), static_cast<ui::ColourNumber>(8 + 200 * 256));
    s.save();
    EXPECT_EQ(quiz.main().Slowo[1].foreColor(), static_cast<ui::ColourNumber>(8 + 200 * 256));
}
