#include "settings/settings_window.h"

#include "content/numbers.h"
#include "quiz/appearance.h"
#include "quiz/main_window.h"
#include "settings/settings_record.h"
#include "ui/platform.h"

#include <optional>
#include <string>
#include <utility>

namespace keb {

using content::decimal;
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
enum class Array { Label_Cv, picColor, Label_ST, Slider1, List_font, Text_Cv, Option1 };
struct Row {
    Array array;
    int index = -1; // -1: a single control, not an element of an array
    ui::Rect twips{};
    const char* caption = "";
    const char* toolTip = "";
    std::optional<ui::ColourNumber> textColour{};
    bool visible = true;
    const ui::Font* font = &kControlFont;
    bool sorted = false;
};

const ui::Font kPreviewFont{"MS Sans Serif", 8.25};
constexpr const char* kSizeTip = " Определя размера на буквите ";

const Row kRows[] = {
    {.array = Array::Label_Cv,
     .index = 0,
     .twips = {120, 1560, 320, 315},
     .caption = "Ч",
     .textColour = kRedCaption},
    {.array = Array::Label_Cv,
     .index = 1,
     .twips = {120, 2040, 320, 315},
     .caption = "З",
     .textColour = kGreenCaption},
    {.array = Array::Label_Cv,
     .index = 2,
     .twips = {120, 2520, 320, 315},
     .caption = "С",
     .textColour = kBlueCaption},
    {.array = Array::Label_Cv,
     .index = 3,
     .twips = {795, 1150, 4020, 255},
     .caption = "Цвят",
     .toolTip = "Показва цифровата стойност на формирания цвят в 16-ична бройна система "},
    {.array = Array::picColor,
     .twips = {240, 120, 5055, 915},
     .toolTip = "Получен изходен цвят",
     .font = &kPreviewFont},
    {.array = Array::Label_ST,
     .index = 0,
     .twips = {3440, 1560, 315, 315},
     .caption = "R",
     .toolTip = "Цифрова стойност на червения цвят в обхвата [0 - 255] ",
     .textColour = kRedCaption},
    {.array = Array::Label_ST,
     .index = 1,
     .twips = {3440, 2040, 315, 315},
     .caption = "G",
     .toolTip = "Цифрова стойност на зеления цвят в обхвата [0 - 255] ",
     .textColour = kGreenCaption},
    {.array = Array::Label_ST,
     .index = 2,
     .twips = {3440, 2520, 315, 315},
     .caption = "B",
     .toolTip = "Цифрова стойност на синия цвят в обхвата [0 - 255] ",
     .textColour = kBlueCaption},
    {.array = Array::Slider1,
     .index = 0,
     .twips = {440, 1560, 3000, 315},
     .toolTip = "Промяна на стойн остта на червената съставка "},
    {.array = Array::Slider1,
     .index = 1,
     .twips = {440, 2040, 3000, 315},
     .toolTip = "Промяна на стойн остта на зелената съставка "},
    {.array = Array::Slider1,
     .index = 2,
     .twips = {440, 2520, 3000, 315},
     .toolTip = "Промяна на стойн остта на синята съставка "},
    {.array = Array::List_font,
     .index = 0,
     .twips = {600, 2900, 2655, 1200},
     .toolTip = " Определя избрания шрифт ",
     .visible = false,
     .font = &kWindowFont,
     .sorted = true},
    {.array = Array::List_font, .index = 1, .twips = {3840, 3840, 855, 735}, .toolTip = kSizeTip},
    {.array = Array::Label_Cv,
     .index = 4,
     .twips = {3860, 3450, 1490, 285},
     .caption = "Размер  шрифт",
     .toolTip = "Показва размера на буквите във формирания текст "},
    {.array = Array::Text_Cv,
     .index = 0,
     .twips = {600, 4200, 2655, 405},
     .toolTip = "Полето илюстрира шрифт, размер на букви, цвят и фон на букви ",
     .font = &kWindowFont},
    {.array = Array::Option1,
     .index = 0,
     .twips = {3860, 1560, 345, 285},
     .toolTip = " За настройване цвета на фона на формата "},
    {.array = Array::Label_Cv,
     .index = 5,
     .twips = {4200, 1560, 1155, 285},
     .caption = "Цвят форма",
     .toolTip = "За настройване цвета на фона на формата "},
    {.array = Array::Option1,
     .index = 1,
     .twips = {3860, 2040, 345, 285},
     .toolTip = " За настройване цвета на фона в текстовите полета "},
    {.array = Array::Label_Cv,
     .index = 6,
     .twips = {4200, 2040, 1155, 285},
     .caption = "Фон текст",
     .toolTip = "За настройване цвета на фона в текстовите полета "},
    {.array = Array::Option1,
     .index = 2,
     .twips = {3860, 2520, 345, 285},
     .toolTip = " За настройване цвета на текста в текстовите полета "},
    {.array = Array::Label_Cv,
     .index = 7,
     .twips = {4200, 2520, 1155, 285},
     .caption = "Цвят текст",
     .toolTip = " За настройване цвета на текста в текстовите полета "},
    {.array = Array::Option1,
     .index = 3,
     .twips = {3860, 3000, 345, 285},
     .toolTip = " За настройване цвета на фона на бутоните ",
     .visible = false},
    {.array = Array::Label_Cv,
     .index = 8,
     .twips = {4200, 3000, 1155, 285},
     .caption = "Цвят бутон",
     .toolTip = " За настройване цвета на фона на бутоните ",
     .visible = false},
    {.array = Array::List_font,
     .index = 2,
     .twips = {0, 3120, 150, 1485},
     .toolTip = kSizeTip,
     .visible = false},
};

const char* arrayName(Array array) {
    switch (array) {
    case Array::Label_Cv:
        return "Label_Cv";
    case Array::picColor:
        return "picColor";
    case Array::Label_ST:
        return "Label_ST";
    case Array::Slider1:
        return "Slider1";
    case Array::List_font:
        return "List_font";
    case Array::Text_Cv:
        return "Text_Cv";
    case Array::Option1:
        break;
    }
    return "Option1";
}

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
    ui::Window& form = c_.form;
    for (const Row& row : kRows) {
        const std::string name =
            row.index < 0 ? arrayName(row.array) : ui::elementName(arrayName(row.array), row.index);
        ui::Control* control = nullptr;
        switch (row.array) {
        case Array::Label_Cv:
        case Array::Label_ST: {
            auto& labels = row.array == Array::Label_Cv ? c_.Label_Cv : c_.Label_ST;
            auto& label =
                labels.set(row.index, std::make_unique<ui::Label>(form, name, row.twips,
                                                                  row.caption, ui::Align::Centre));
            if (!row.visible) {
                label.setVisible(false);
            }
            control = &label;
            break;
        }
        case Array::picColor:
            c_.picColor = std::make_unique<ui::PictureBox>(form, name, row.twips, row.visible);
            control = c_.picColor.get();
            break;
        case Array::Slider1:
            control = &c_.Slider1.set(
                row.index, std::make_unique<ui::Slider>(form, name, row.twips,
                                                        ui::Slider::Options{0, 255, 1, 10}));
            break;
        case Array::List_font:
            control = &c_.List_font.set(
                row.index,
                std::make_unique<ui::ListBox>(form, name, row.twips,
                                              ui::ListBox::Options{row.sorted, row.visible}));
            break;
        case Array::Text_Cv:
            control = &c_.Text_Cv.set(
                row.index, std::make_unique<ui::TextBox>(
                               form, name, row.twips,
                               ui::TextBox::Options{false, false, ui::Align::Centre, row.visible}));
            break;
        case Array::Option1:
            control = &c_.Option1.set(
                row.index, std::make_unique<ui::OptionButton>(form, name, row.twips, row.visible));
            break;
        }
        control->setFont(*row.font);
        control->setToolTip(row.toolTip);
        if (row.textColour) {
            control->setForeColor(*row.textColour);
        }
    }

    // What the rows do not say: the lists' and the sample's first contents, the first choice and
    // the handlers.
    for (int size = 8; size <= 14; ++size) {
        c_.List_font[1].addItem(decimal(size));
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

std::string SettingsWindow::recordItem(int item) const {
    return quiz_.recordItem(item);
}

// Only slider moves write the colour items, as colour numbers; a text that is none reads as
// black rather than as a number the colour cannot hold.
ui::ColourNumber SettingsWindow::recordColour(int item) const {
    const double number = leadingNumber(recordItem(item));
    return number >= 0 && number <= 4294967295.0 ? static_cast<ui::ColourNumber>(number) : 0;
}

void SettingsWindow::Form_Load() {
    c_.target = 0;
    c_.form.setFontFace(recordItem(kFontFaceItem));
    Zaredi_shriftowe();
    c_.Text_Cv[0].setFontSize(leadingNumber(recordItem(kFontSizeItem)));
    ui::ListBox& sizes = c_.List_font[1];
    for (int i = 0; i < sizes.count(); ++i) {
        if (sizes.item(i) == recordItem(kFontSizeItem)) {
            sizes.setListIndex(i);
        }
    }
    Opredeli_cwqt();
    for (int k = 0; k < 3; ++k) {
        c_.Slider1[k].setValue(content::leadingWhole(recordItem(componentItem(0, k))));
    }
}

void SettingsWindow::Zaredi_shriftowe() {
    ui::ListBox& names = c_.List_font[0];
    names.clear();
    for (const std::string& family : platform_.fontFamilies()) {
        names.addItem(family);
    }
    const std::string face = recordItem(kFontFaceItem);
    for (int i = 0; i < names.count(); ++i) {
        if (names.item(i) == face) {
            names.setListIndex(i);
        }
    }
}

void SettingsWindow::Opredeli_cwqt() {
    c_.picColor->setBackColor(recordColour(colourItem(0)));
    c_.Option1[0].setBackColor(recordColour(colourItem(0)));
    c_.Text_Cv[0].setBackColor(recordColour(colourItem(1)));
    c_.Option1[1].setBackColor(recordColour(colourItem(1)));
    c_.Text_Cv[0].setForeColor(recordColour(colourItem(2)));
    c_.Option1[2].setBackColor(recordColour(colourItem(2)));
    c_.Option1[3].setBackColor(recordColour(colourItem(3)));
    for (int t = 0; t < 4; ++t) {
        const ui::Rgb rgb = ui::splitColour(recordColour(colourItem(t)));
        quiz_.setRecordItem(componentItem(t, 0), decimal(rgb.red));
        quiz_.setRecordItem(componentItem(t, 1), decimal(rgb.green));
        quiz_.setRecordItem(componentItem(t, 2), decimal(rgb.blue));
    }
}

void SettingsWindow::Option1_Click(int index) {
    c_.target = index;
    for (int k = 0; k < 3; ++k) {
        c_.Slider1[k].setValue(content::leadingWhole(recordItem(componentItem(index, k))));
    }
    c_.currentColour = sliderColour();
    Otdelni_Update();
    c_.form.announce(c_.Label_Cv[3].caption());
}

ui::ColourNumber SettingsWindow::sliderColour() const {
    return ui::colourNumber(c_.Slider1[0].value(), c_.Slider1[1].value(), c_.Slider1[2].value());
}

void SettingsWindow::Slider1_Scroll(int index) {
    quiz_.setRecordItem(componentItem(c_.target, index), decimal(c_.Slider1[index].value()));
    c_.currentColour = sliderColour();
    quiz_.setRecordItem(colourItem(c_.target), decimal(c_.currentColour));
    Otdelni_Update();
    // The slider says its own value; the colour it makes is heard after it.
    c_.form.announce(c_.Label_Cv[3].caption());
}

void SettingsWindow::Otdelni_Update() {
    for (int k = 0; k < 3; ++k) {
        c_.Label_ST[k].setCaption(decimal(c_.Slider1[k].value()));
    }
    switch (c_.target) {
    case 0:
        c_.form.setBackColor(c_.currentColour);
        c_.Option1[0].setBackColor(c_.currentColour);
        break;
    case 1:
        c_.Text_Cv[0].setBackColor(c_.currentColour);
        c_.Option1[1].setBackColor(c_.currentColour);
        break;
    case 2:
        c_.Text_Cv[0].setForeColor(c_.currentColour);
        c_.Option1[2].setBackColor(c_.currentColour);
        break;
    default:
        c_.Option1[3].setBackColor(c_.currentColour);
        break;
    }
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
                            decimal(content::roundHalfEven(c_.Text_Cv[0].effectiveFontSize())));
    }
}

void SettingsWindow::mnu_zapis_Click() {
    quiz_.applyAppearance(Appearance{recordColour(colourItem(0)), recordColour(colourItem(1)),
                                     recordColour(colourItem(2)), recordItem(kFontFaceItem),
                                     leadingNumber(recordItem(kFontSizeItem))});
    closed_();
}

void SettingsWindow::mnu_Otkaz_Click() {
    closed_();
}

void SettingsWindow::mnu_Danni_Click() {}

} // namespace keb
