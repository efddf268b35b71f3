#include "settings/settings_window.h"

#include "content/numbers.h"
#include "quiz/main_window.h"
#include "settings/settings_record.h"
#include "ui/control_table.h"
#include "ui/platform.h"

#include <string>
#include <utility>

namespace keb {

using content::decimalText;
using content::leadingNumber;

namespace {

// The controls' own font.
const ui::Font kControlFont{"Times New Roman", 9.75};

constexpr ui::ColourNumber kWindowGrey = 0x808080;
// The captions of the red, green and blue rows.
constexpr ui::ColourNumber kRedCaption = 0x0000C0;
constexpr ui::ColourNumber kGreenCaption = 0x00C000;
constexpr ui::ColourNumber kBlueCaption = 0xC00000;

// The window's controls, one row each, in tab order: which control, where, and how it reads.
// The sliders run over a colour component's values.
constexpr ui::Slider::Options kComponent{0, 255, 1, 10};
constexpr ui::TextBox::Options kCentred{.align = ui::Align::Centre};

const ui::Font kPreviewFont{"MS Sans Serif", 8.25};
constexpr const char* kSizeTip = " Определя размера на буквите ";

const ui::ControlRow kRows[] = {
    {.name = "Label_Cv",
     .index = 0,
     .twips = {120, 1560, 320, 315},
     .caption = "Ч",
     .textColour = kRedCaption},
    {.name = "Label_Cv",
     .index = 1,
     .twips = {120, 2040, 320, 315},
     .caption = "З",
     .textColour = kGreenCaption},
    {.name = "Label_Cv",
     .index = 2,
     .twips = {120, 2520, 320, 315},
     .caption = "С",
     .textColour = kBlueCaption},
    {.name = "Label_Cv",
     .index = 3,
     .twips = {795, 1150, 4020, 255},
     .caption = "Цвят",
     .toolTip = "Показва цифровата стойност на формирания цвят в 16-ична бройна система "},
    {.name = "picColor",
     .twips = {240, 120, 5055, 915},
     .toolTip = "Получен изходен цвят",
     .font = &kPreviewFont},
    {.name = "Label_ST",
     .index = 0,
     .twips = {3440, 1560, 315, 315},
     .caption = "R",
     .toolTip = "Цифрова стойност на червения цвят в обхвата [0 - 255] ",
     .textColour = kRedCaption},
    {.name = "Label_ST",
     .index = 1,
     .twips = {3440, 2040, 315, 315},
     .caption = "G",
     .toolTip = "Цифрова стойност на зеления цвят в обхвата [0 - 255] ",
     .textColour = kGreenCaption},
    {.name = "Label_ST",
     .index = 2,
     .twips = {3440, 2520, 315, 315},
     .caption = "B",
     .toolTip = "Цифрова стойност на синия цвят в обхвата [0 - 255] ",
     .textColour = kBlueCaption},
    {.name = "Slider1",
     .index = 0,
     .twips = {440, 1560, 3000, 315},
     .toolTip = "Промяна на стойн остта на червената съставка ",
     .slider = kComponent},
    {.name = "Slider1",
     .index = 1,
     .twips = {440, 2040, 3000, 315},
     .toolTip = "Промяна на стойн остта на зелената съставка ",
     .slider = kComponent},
    {.name = "Slider1",
     .index = 2,
     .twips = {440, 2520, 3000, 315},
     .toolTip = "Промяна на стойн остта на синята съставка ",
     .slider = kComponent},
    {.name = "List_font",
     .index = 0,
     .twips = {600, 2900, 2655, 1200},
     .toolTip = " Определя избрания шрифт ",
     .visible = false,
     .font = &kWindowFont,
     .sorted = true},
    {.name = "List_font", .index = 1, .twips = {3840, 3840, 855, 735}, .toolTip = kSizeTip},
    {.name = "Label_Cv",
     .index = 4,
     .twips = {3860, 3450, 1490, 285},
     .caption = "Размер  шрифт",
     .toolTip = "Показва размера на буквите във формирания текст "},
    {.name = "Text_Cv",
     .index = 0,
     .twips = {600, 4200, 2655, 405},
     .toolTip = "Полето илюстрира шрифт, размер на букви, цвят и фон на букви ",
     .font = &kWindowFont,
     .text = kCentred},
    {.name = "Option1",
     .index = 0,
     .twips = {3860, 1560, 345, 285},
     .toolTip = " За настройване цвета на фона на формата "},
    {.name = "Label_Cv",
     .index = 5,
     .twips = {4200, 1560, 1155, 285},
     .caption = "Цвят форма",
     .toolTip = "За настройване цвета на фона на формата "},
    {.name = "Option1",
     .index = 1,
     .twips = {3860, 2040, 345, 285},
     .toolTip = " За настройване цвета на фона в текстовите полета "},
    {.name = "Label_Cv",
     .index = 6,
     .twips = {4200, 2040, 1155, 285},
     .caption = "Фон текст",
     .toolTip = "За настройване цвета на фона в текстовите полета "},
    {.name = "Option1",
     .index = 2,
     .twips = {3860, 2520, 345, 285},
     .toolTip = " За настройване цвета на текста в текстовите полета "},
    {.name = "Label_Cv",
     .index = 7,
     .twips = {4200, 2520, 1155, 285},
     .caption = "Цвят текст",
     .toolTip = " За настройване цвета на текста в текстовите полета "},
    {.name = "Option1",
     .index = 3,
     .twips = {3860, 3000, 345, 285},
     .toolTip = " За настройване цвета на фона на бутоните ",
     .visible = false},
    {.name = "Label_Cv",
     .index = 8,
     .twips = {4200, 3000, 1155, 285},
     .caption = "Цвят бутон",
     .toolTip = " За настройване цвета на фона на бутоните ",
     .visible = false},
    {.name = "List_font",
     .index = 2,
     .twips = {0, 3120, 150, 1485},
     .toolTip = kSizeTip,
     .visible = false},
};

} // namespace

SettingsWindow::SettingsWindow(MainWindow& quiz, const ui::Platform& platform,
                               std::function<void()> closed)
    : quiz_(quiz), platform_(platform), closed_(std::move(closed)) {
    c_.form.setCaption("Формиране на цвят/избор на шрифт");
    c_.form.setClientSize(5535, 4710);
    c_.form.setBackColor(kWindowGrey);
    c_.mnu_Danni->setVisible(false);
    c_.mnu_Danni->setEnabled(false);
    c_.mnu_zapis->onClick([this] { mnu_zapis_Click(); });
    c_.mnu_Otkaz->onClick([this] { mnu_Otkaz_Click(); });
    c_.mnu_Danni->onClick([this] { mnu_Danni_Click(); });
    c_.form.onCloseBox([this] { closed_(); });
    createControls();
}

void SettingsWindow::centreOnScreen() {
    c_.form.centreOnScreen();
}

void SettingsWindow::bringToFront() {
    c_.form.bringToFront();
}

void SettingsWindow::hide() {
    c_.form.hide();
}

void SettingsWindow::createControls() {
    ui::ControlTable(c_.form, &kControlFont)
        .array("Label_Cv", c_.Label_Cv)
        .single("picColor", c_.picColor)
        .array("Label_ST", c_.Label_ST)
        .array("Slider1", c_.Slider1)
        .array("List_font", c_.List_font)
        .array("Text_Cv", c_.Text_Cv)
        .array("Option1", c_.Option1)
        .make(kRows);

    // What the rows do not say: the lists' and the sample's first contents, the first choice and
    // the handlers.
    for (int size = 8; size <= 14; ++size) {
        c_.List_font[1].addItem(decimalText(size));
    }
    c_.Text_Cv[0].setText("Шрифт");
    c_.Option1[0].setValue(true);
    for (const std::string& item : hiddenRecordCopy()) {
        c_.List_font[2].addItem(item);
    }
    for (int k = 0; k < c_.Slider1.size(); ++k) {
        c_.Slider1[k].onScroll([this, k] { Slider1_Scroll(k); });
    }
    for (int i = 0; i < c_.Option1.size(); ++i) {
        c_.Option1[i].onClick([this, i] { Option1_Click(i); });
    }
    for (int i = 0; i < c_.List_font.size(); ++i) {
        c_.List_font[i].onClick([this, i] { List_font_Click(i); });
    }
}

const SettingsRecord& SettingsWindow::record() const {
    return quiz_.settingsRecord();
}

void SettingsWindow::Form_Load() {
    c_.target = 0;
    c_.form.setFontFace(recordItem(record(), kFontFaceItem));
    Zaredi_shriftowe();
    c_.Text_Cv[0].setFontSize(leadingNumber(recordItem(record(), kFontSizeItem)));
    ui::ListBox& sizes = c_.List_font[1];
    for (int i = 0; i < sizes.count(); ++i) {
        if (sizes.item(i) == recordItem(record(), kFontSizeItem)) {
            sizes.setListIndex(i);
        }
    }
    Opredeli_cwqt();
    showComponentsOnSliders(0);
}

void SettingsWindow::showComponentsOnSliders(int target) {
    for (int k = 0; k < 3; ++k) {
        c_.Slider1[k].setValue(
            content::leadingWhole(recordItem(record(), componentItem(target, k))));
    }
}

void SettingsWindow::Zaredi_shriftowe() {
    ui::ListBox& names = c_.List_font[0];
    names.clear();
    for (const std::string& family : platform_.fontFamilies()) {
        names.addItem(family);
    }
    const std::string face = recordItem(record(), kFontFaceItem);
    for (int i = 0; i < names.count(); ++i) {
        if (names.item(i) == face) {
            names.setListIndex(i);
        }
    }
}

void SettingsWindow::Opredeli_cwqt() {
    c_.picColor->setBackColor(recordColour(record(), 0));
    for (int t = 0; t < kColourTargets; ++t) {
        const ui::ColourNumber colour = recordColour(record(), t);
        showTargetColour(t, colour);
        const ui::Rgb rgb = cwetowe_RGB(colour);
        quiz_.setRecordItem(componentItem(t, 0), decimalText(rgb.red));
        quiz_.setRecordItem(componentItem(t, 1), decimalText(rgb.green));
        quiz_.setRecordItem(componentItem(t, 2), decimalText(rgb.blue));
    }
}

ui::Rgb SettingsWindow::cwetowe_RGB(ui::ColourNumber colour) {
    return ui::splitColour(colour);
}

// A target's colour on its option button, and on the sample where the sample shows it.
void SettingsWindow::showTargetColour(int target, ui::ColourNumber colour) {
    if (target == 1) {
        c_.Text_Cv[0].setBackColor(colour);
    } else if (target == 2) {
        c_.Text_Cv[0].setForeColor(colour);
    }
    c_.Option1[target].setBackColor(colour);
}

void SettingsWindow::Option1_Click(int index) {
    c_.target = index;
    showComponentsOnSliders(index);
    c_.currentColour = sliderColour();
    Otdelni_Update();
    c_.form.announce(c_.Label_Cv[3].caption());
}

ui::ColourNumber SettingsWindow::sliderColour() const {
    return ui::colourNumber(c_.Slider1[0].value(), c_.Slider1[1].value(), c_.Slider1[2].value());
}

void SettingsWindow::Slider1_Scroll(int index) {
    quiz_.setRecordItem(componentItem(c_.target, index), decimalText(c_.Slider1[index].value()));
    c_.currentColour = sliderColour();
    quiz_.setRecordItem(colourItem(c_.target), decimalText(c_.currentColour));
    Otdelni_Update();
    // The slider says its own value; the colour it makes is heard after it.
    c_.form.announce(c_.Label_Cv[3].caption());
}

void SettingsWindow::Otdelni_Update() {
    for (int k = 0; k < 3; ++k) {
        c_.Label_ST[k].setCaption(decimalText(c_.Slider1[k].value()));
    }
    if (c_.target == 0) {
        c_.form.setBackColor(c_.currentColour);
    }
    showTargetColour(c_.target, c_.currentColour);
    c_.picColor->setBackColor(c_.currentColour);
    c_.Label_Cv[3].setCaption(colourReadout(c_.currentColour));
}

void SettingsWindow::List_font_Click(int index) {
    ui::ListBox& list = c_.List_font[index];
    const std::string entry = list.item(list.listIndex());
    if (index == 0) {
        c_.Text_Cv[0].setFontFace(entry);
        quiz_.setRecordItem(kFontFaceItem, entry);
    } else if (index == 1) {
        c_.Text_Cv[0].setFontSize(leadingNumber(entry));
        quiz_.setRecordItem(kFontSizeItem,
                            decimalText(content::roundHalfEven(c_.Text_Cv[0].effectiveFontSize())));
    }
}

void SettingsWindow::mnu_zapis_Click() {
    quiz_.applyAppearance(appearanceOf(record()));
    closed_();
}

void SettingsWindow::mnu_Otkaz_Click() {
    closed_();
}

void SettingsWindow::mnu_Danni_Click() {}

} // namespace keb
