#include "settings/settings_window.h"

#include "content/numbers.h"
#include "quiz/appearance.h"
#include "quiz/appearance_target.h"
#include "quiz/window_font.h"
#include "settings/settings_record.h"
#include "ui/menu_command.h"
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
    std::optional<ui::ColourNumber> colour{}; // the text's
    bool visible = true;
    const ui::Font* font = &kControlFont;
    bool sorted = false;
};

const ui::Font kPreviewFont{"MS Sans Serif", 8.25};
constexpr const char* kSizeTip = " Определя размера на буквите ";

const Row kRows[] = {
    {Array::Label_Cv, 0, {120, 1560, 320, 315}, "Ч", "", kRedCaption},
    {Array::Label_Cv, 1, {120, 2040, 320, 315}, "З", "", kGreenCaption},
    {Array::Label_Cv, 2, {120, 2520, 320, 315}, "С", "", kBlueCaption},
    {Array::Label_Cv,
     3,
     {795, 1150, 4020, 255},
     "Цвят",
     "Показва цифровата стойност на формирания цвят в 16-ична бройна система "},
    {.array = Array::picColor,
     .twips = {240, 120, 5055, 915},
     .toolTip = "Получен изходен цвят",
     .font = &kPreviewFont},
    {Array::Label_ST,
     0,
     {3440, 1560, 315, 315},
     "R",
     "Цифрова стойност на червения цвят в обхвата [0 - 255] ",
     kRedCaption},
    {Array::Label_ST,
     1,
     {3440, 2040, 315, 315},
     "G",
     "Цифрова стойност на зеления цвят в обхвата [0 - 255] ",
     kGreenCaption},
    {Array::Label_ST,
     2,
     {3440, 2520, 315, 315},
     "B",
     "Цифрова стойност на синия цвят в обхвата [0 - 255] ",
     kBlueCaption},
    {Array::Slider1,
     0,
     {440, 1560, 3000, 315},
     "",
     "Промяна на стойн остта на червената съставка "},
    {Array::Slider1, 1, {440, 2040, 3000, 315}, "", "Промяна на стойн остта на зелената съставка "},
    {Array::Slider1, 2, {440, 2520, 3000, 315}, "", "Промяна на стойн остта на синята съставка "},
    {.array = Array::List_font,
     .index = 0,
     .twips = {600, 2900, 2655, 1200},
     .toolTip = " Определя избрания шрифт ",
     .visible = false,
     .font = &kWindowFont,
     .sorted = true},
    {.array = Array::List_font, .index = 1, .twips = {3840, 3840, 855, 735}, .toolTip = kSizeTip},
    {Array::Label_Cv,
     4,
     {3860, 3450, 1490, 285},
     "Размер  шрифт",
     "Показва размера на буквите във формирания текст "},
    {.array = Array::Text_Cv,
     .index = 0,
     .twips = {600, 4200, 2655, 405},
     .toolTip = "Полето илюстрира шрифт, размер на букви, цвят и фон на букви ",
     .font = &kWindowFont},
    {Array::Option1, 0, {3860, 1560, 345, 285}, "", " За настройване цвета на фона на формата "},
    {Array::Label_Cv,
     5,
     {4200, 1560, 1155, 285},
     "Цвят форма",
     "За настройване цвета на фона на формата "},
    {Array::Option1,
     1,
     {3860, 2040, 345, 285},
     "",
     " За настройване цвета на фона в текстовите полета "},
    {Array::Label_Cv,
     6,
     {4200, 2040, 1155, 285},
     "Фон текст",
     "За настройване цвета на фона в текстовите полета "},
    {Array::Option1,
     2,
     {3860, 2520, 345, 285},
     "",
     " За настройване цвета на текста в текстовите полета "},
    {Array::Label_Cv,
     7,
     {4200, 2520, 1155, 285},
     "Цвят текст",
     " За настройване цвета на текста в текстовите полета "},
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

SettingsWindow::SettingsWindow(AppearanceTarget& quiz, const ui::Platform& platform,
                               std::function<void()> closed)
    : form("Cwiat", ui::WindowStyle::FixedSingle, kWindowFont),
      mnu_zapis(form.addMenuCommand("mnu_zapis", "&Запис", "Ctrl+S")),
      mnu_Otkaz(form.addMenuCommand("mnu_Otkaz", "&Отказ", "Esc")),
      mnu_Danni(form.addMenuCommand("mnu_Danni", "Danni")), quiz_(quiz), platform_(platform),
      closed_(std::move(closed)) {
    form.setCaption("Формиране на цвят/избор на шрифт");
    form.setClientSize(5535, 4710);
    form.setBackColor(kWindowGrey);
    mnu_Danni.setVisible(false);
    mnu_Danni.setEnabled(false);
    mnu_zapis.onClick([this] { mnu_zapis_Click(); });
    mnu_Otkaz.onClick([this] { mnu_Otkaz_Click(); });
    mnu_Danni.onClick([this] { mnu_Danni_Click(); });
    form.onCloseBox([this] { closed_(); });
    createControls();
}

void SettingsWindow::createControls() {
    for (const Row& row : kRows) {
        const std::string name =
            row.index < 0 ? arrayName(row.array) : ui::elementName(arrayName(row.array), row.index);
        ui::Control* control = nullptr;
        switch (row.array) {
        case Array::Label_Cv:
        case Array::Label_ST: {
            auto& labels = row.array == Array::Label_Cv ? Label_Cv : Label_ST;
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
            picColor = std::make_unique<ui::PictureBox>(form, name, row.twips, row.visible);
            control = picColor.get();
            break;
        case Array::Slider1:
            control = &Slider1.set(
                row.index, std::make_unique<ui::Slider>(form, name, row.twips,
                                                        ui::Slider::Options{0, 255, 1, 10}));
            break;
        case Array::List_font:
            control = &List_font.set(row.index, std::make_unique<ui::ListBox>(
                                                    form, name, row.twips,
                                                    ui::ListBox::Options{row.sorted, row.visible}));
            break;
        case Array::Text_Cv:
            control = &Text_Cv.set(
                row.index, std::make_unique<ui::TextBox>(
                               form, name, row.twips,
                               ui::TextBox::Options{false, false, ui::Align::Centre, row.visible}));
            break;
        case Array::Option1:
            control = &Option1.set(
                row.index, std::make_unique<ui::OptionButton>(form, name, row.twips, row.visible));
            break;
        }
        control->setFont(*row.font);
        control->setToolTip(row.toolTip);
        if (row.colour) {
            control->setForeColor(*row.colour);
        }
    }

    // What the rows do not say: the lists' and the sample's first contents, the first choice and
    // the handlers.
    for (int size = 8; size <= 14; ++size) {
        List_font[1].addItem(decimal(size));
    }
    Text_Cv[0].setText("Шрифт");
    Option1[0].setValue(true);
    for (const std::string& item : hiddenRecordCopy()) {
        List_font[2].addItem(item);
    }
    for (int k = 0; k < Slider1.size(); ++k) {
        Slider1[k].onScroll([this, k] { Slider1_Scroll(k); });
    }
    for (int i = 0; i < Option1.size(); ++i) {
        Option1[i].onClick([this, i] { Option1_Click(i); });
    }
    for (int i = 0; i < List_font.size(); ++i) {
        List_font[i].onClick([this, i] { List_font_Click(i); });
    }
}

ui::ListBox& SettingsWindow::record() const {
    return quiz_.record();
}

std::string SettingsWindow::recordItem(int item) const {
    return record().item(item);
}

// Only slider moves write the colour items, as colour numbers; a text that is none reads as
// black rather than as a number the colour cannot hold.
ui::ColourNumber SettingsWindow::recordColour(int item) const {
    const double number = leadingNumber(recordItem(item));
    return number >= 0 && number <= 4294967295.0 ? static_cast<ui::ColourNumber>(number) : 0;
}

void SettingsWindow::Form_Load() {
    target = 0;
    form.setFontFace(recordItem(kFontFaceItem));
    Zaredi_shriftowe();
    Text_Cv[0].setFontSize(leadingNumber(recordItem(kFontSizeItem)));
    ui::ListBox& sizes = List_font[1];
    for (int i = 0; i < sizes.count(); ++i) {
        if (sizes.item(i) == recordItem(kFontSizeItem)) {
            sizes.setListIndex(i);
        }
    }
    Opredeli_cwqt();
    for (int k = 0; k < 3; ++k) {
        Slider1[k].setValue(content::leadingWhole(recordItem(componentItem(0, k))));
    }
}

void SettingsWindow::Zaredi_shriftowe() {
    ui::ListBox& names = List_font[0];
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
    picColor->setBackColor(recordColour(colourItem(0)));
    Option1[0].setBackColor(recordColour(colourItem(0)));
    Text_Cv[0].setBackColor(recordColour(colourItem(1)));
    Option1[1].setBackColor(recordColour(colourItem(1)));
    Text_Cv[0].setForeColor(recordColour(colourItem(2)));
    Option1[2].setBackColor(recordColour(colourItem(2)));
    Option1[3].setBackColor(recordColour(colourItem(3)));
    ui::ListBox& items = record();
    for (int t = 0; t < 4; ++t) {
        const ui::Rgb rgb = cwetowe_RGB(recordColour(colourItem(t)));
        items.setItem(componentItem(t, 0), decimal(rgb.red));
        items.setItem(componentItem(t, 1), decimal(rgb.green));
        items.setItem(componentItem(t, 2), decimal(rgb.blue));
    }
}

void SettingsWindow::Option1_Click(int index) {
    target = index;
    for (int k = 0; k < 3; ++k) {
        Slider1[k].setValue(content::leadingWhole(recordItem(componentItem(index, k))));
    }
    currentColour = sliderColour();
    Otdelni_Update();
    form.announce(Label_Cv[3].caption());
}

ui::ColourNumber SettingsWindow::sliderColour() const {
    return ui::colourNumber(Slider1[0].value(), Slider1[1].value(), Slider1[2].value());
}

void SettingsWindow::Slider1_Scroll(int index) {
    ui::ListBox& items = record();
    items.setItem(componentItem(target, index), decimal(Slider1[index].value()));
    currentColour = sliderColour();
    items.setItem(colourItem(target), decimal(currentColour));
    Otdelni_Update();
    // The slider says its own value; the colour it makes is heard after it.
    form.announce(Label_Cv[3].caption());
}

void SettingsWindow::Otdelni_Update() {
    for (int k = 0; k < 3; ++k) {
        Label_ST[k].setCaption(decimal(Slider1[k].value()));
    }
    switch (target) {
    case 0:
        form.setBackColor(currentColour);
        Option1[0].setBackColor(currentColour);
        break;
    case 1:
        Text_Cv[0].setBackColor(currentColour);
        Option1[1].setBackColor(currentColour);
        break;
    case 2:
        Text_Cv[0].setForeColor(currentColour);
        Option1[2].setBackColor(currentColour);
        break;
    default:
        Option1[3].setBackColor(currentColour);
        break;
    }
    picColor->setBackColor(currentColour);
    Label_Cv[3].setCaption(colourReadout(currentColour));
}

void SettingsWindow::List_font_Click(int index) {
    ui::ListBox& list = List_font[index];
    const std::string entry = list.item(list.listIndex());
    if (index == 0) {
        Text_Cv[0].setFontFace(entry);
        record().setItem(kFontFaceItem, entry);
    } else if (index == 1) {
        Text_Cv[0].setFontSize(leadingNumber(entry));
        record().setItem(kFontSizeItem,
                         decimal(content::roundHalfEven(Text_Cv[0].effectiveFontSize())));
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
