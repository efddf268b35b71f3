#include "settings/settings_window.h"

#include "content/numbers.h"
#include "quiz/appearance.h"
#include "quiz/appearance_target.h"
#include "quiz/window_font.h"
#include "settings/settings_record.h"
#include "ui/menu_command.h"
#include "ui/platform.h"

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

// In tab order.
void SettingsWindow::createControls() {
    const auto label = [this](ui::ControlArray<ui::Label>& array, const char* name, int index,
                              ui::Rect r, const char* caption, const char* tip) -> ui::Label& {
        auto& l = array.set(index, std::make_unique<ui::Label>(form, ui::elementName(name, index),
                                                               r, caption, ui::Align::Centre));
        l.setFont(kControlFont);
        l.setToolTip(tip);
        return l;
    };
    label(Label_Cv, "Label_Cv", 0, {120, 1560, 320, 315}, "Ч", "").setForeColor(kRedCaption);
    label(Label_Cv, "Label_Cv", 1, {120, 2040, 320, 315}, "З", "").setForeColor(kGreenCaption);
    label(Label_Cv, "Label_Cv", 2, {120, 2520, 320, 315}, "С", "").setForeColor(kBlueCaption);
    label(Label_Cv, "Label_Cv", 3, {795, 1150, 4020, 255}, "Цвят",
          "Показва цифровата стойност на формирания цвят в 16-ична бройна система ");

    picColor =
        std::make_unique<ui::PictureBox>(form, "picColor", ui::Rect{240, 120, 5055, 915}, true);
    picColor->setFont(ui::Font{"MS Sans Serif", 8.25});
    picColor->setToolTip("Получен изходен цвят");

    label(Label_ST, "Label_ST", 0, {3440, 1560, 315, 315}, "R",
          "Цифрова стойност на червения цвят в обхвата [0 - 255] ")
        .setForeColor(kRedCaption);
    label(Label_ST, "Label_ST", 1, {3440, 2040, 315, 315}, "G",
          "Цифрова стойност на зеления цвят в обхвата [0 - 255] ")
        .setForeColor(kGreenCaption);
    label(Label_ST, "Label_ST", 2, {3440, 2520, 315, 315}, "B",
          "Цифрова стойност на синия цвят в обхвата [0 - 255] ")
        .setForeColor(kBlueCaption);

    const char* const sliderTips[] = {"Промяна на стойн остта на червената съставка ",
                                      "Промяна на стойн остта на зелената съставка ",
                                      "Промяна на стойн остта на синята съставка "};
    for (int k = 0; k < 3; ++k) {
        auto& s =
            Slider1.set(k, std::make_unique<ui::Slider>(form, ui::elementName("Slider1", k),
                                                        ui::Rect{440, 1560 + 480 * k, 3000, 315},
                                                        ui::Slider::Options{0, 255, 1, 10}));
        s.setFont(kControlFont);
        s.setToolTip(sliderTips[k]);
        s.onScroll([this, k] { Slider1_Scroll(k); });
    }

    auto& names = List_font.set(
        0, std::make_unique<ui::ListBox>(form, "List_font_0", ui::Rect{600, 2900, 2655, 1200},
                                         ui::ListBox::Options{true, false}));
    names.setFont(kWindowFont);
    names.setToolTip(" Определя избрания шрифт ");
    auto& sizes = List_font.set(
        1, std::make_unique<ui::ListBox>(form, "List_font_1", ui::Rect{3840, 3840, 855, 735},
                                         ui::ListBox::Options{false, true}));
    sizes.setFont(kControlFont);
    sizes.setToolTip(" Определя размера на буквите ");
    for (int size = 8; size <= 14; ++size) {
        sizes.addItem(decimal(size));
    }

    label(Label_Cv, "Label_Cv", 4, {3860, 3450, 1490, 285}, "Размер  шрифт",
          "Показва размера на буквите във формирания текст ");

    auto& sample = Text_Cv.set(0, std::make_unique<ui::TextBox>(
                                      form, "Text_Cv_0", ui::Rect{600, 4200, 2655, 405},
                                      ui::TextBox::Options{false, false, ui::Align::Centre, true}));
    sample.setFont(kWindowFont);
    sample.setToolTip("Полето илюстрира шрифт, размер на букви, цвят и фон на букви ");
    sample.setText("Шрифт");

    struct OptionRow {
        const char* tip;
        const char* caption;
        const char* captionTip;
    };
    const OptionRow rows[] = {
        {" За настройване цвета на фона на формата ", "Цвят форма",
         "За настройване цвета на фона на формата "},
        {" За настройване цвета на фона в текстовите полета ", "Фон текст",
         "За настройване цвета на фона в текстовите полета "},
        {" За настройване цвета на текста в текстовите полета ", "Цвят текст",
         " За настройване цвета на текста в текстовите полета "},
        {" За настройване цвета на фона на бутоните ", "Цвят бутон",
         " За настройване цвета на фона на бутоните "},
    };
    for (int i = 0; i < 4; ++i) {
        const int top = i < 3 ? 1560 + 480 * i : 3000;
        const bool visible = i < 3;
        auto& option = Option1.set(
            i, std::make_unique<ui::OptionButton>(form, ui::elementName("Option1", i),
                                                  ui::Rect{3860, top, 345, 285}, visible));
        option.setFont(kControlFont);
        option.setToolTip(rows[i].tip);
        option.onClick([this, i] { Option1_Click(i); });
        label(Label_Cv, "Label_Cv", 5 + i, {4200, top, 1155, 285}, rows[i].caption,
              rows[i].captionTip)
            .setVisible(visible);
    }
    Option1[0].setValue(true);

    auto& copy = List_font.set(
        2, std::make_unique<ui::ListBox>(form, "List_font_2", ui::Rect{0, 3120, 150, 1485},
                                         ui::ListBox::Options{false, false}));
    copy.setFont(kControlFont);
    copy.setToolTip(" Определя размера на буквите ");
    for (const std::string& item : hiddenRecordCopy()) {
        copy.addItem(item);
    }

    for (int i = 0; i < 3; ++i) {
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
