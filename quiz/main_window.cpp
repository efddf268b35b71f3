#include "quiz/main_window.h"

#include "content/content_store.h"
#include "content/numbers.h"
#include "quiz/appearance.h"
#include "quiz/content_source.h"
#include "quiz/explanation_procedures.h"
#include "quiz/picture_procedures.h"
#include "quiz/window_font.h"
#include "quiz/window_icon.h"

#include <string>
#include <vector>

namespace keb {

using content::decimal;
using content::itemAt;
using content::leadingNumber;

namespace {

// The window's own colours, as colour numbers.
constexpr ui::ColourNumber kWindowGreen = 32768;        // 0/128/0
constexpr ui::ColourNumber kChooseOrange = 33023;       // 255/128/0, "Избрах"
constexpr ui::ColourNumber kWithdrawYellow = 8454143;   // 255/255/128, "Върни"
constexpr ui::ColourNumber kEvaluateBlue = 16761024;    // 192/192/255, "Оцени"
constexpr ui::ColourNumber kExplainGreen = 49152;       // 0/192/0, "Обясни"
constexpr ui::ColourNumber kCounterOrange = 8438015;    // 255/192/128, the counter
constexpr ui::ColourNumber kExplanationGrey = 14737632; // 224/224/224, the explanation box
constexpr ui::ColourNumber kRightGreen = 65280;         // 0/255/0, "ДА"
constexpr ui::ColourNumber kWrongRed = 255;             // 255/0/0, "НЕ"

} // namespace

MainWindow::MainWindow(ContentSource& content, const std::vector<std::string>& settingsRecord)
    : form("KEB", ui::WindowStyle::FixedSingle, kWindowFont), content_(content) {
    // The caption starts as 29 blanks; the start-up puts the title from the content there.
    form.setCaption(std::string(29, ' '));
    form.setClientSize(11865, 7005);
    form.setBackColor(kWindowGreen);
    form.setIcon(windowIcon());
    createControls();
    for (const std::string& item : settingsRecord) {
        Cweta[0].addItem(item);
    }
}

void MainWindow::attach(ExplanationProcedures& explanations, PictureProcedures& pictures) {
    explanations_ = &explanations;
    pictures_ = &pictures;
}

const content::ContentStore& MainWindow::danni() const {
    return content_.danni();
}

// In tab order. Every list is unsorted and visible unless said.
void MainWindow::createControls() {
    const auto list = [this](ui::ControlArray<ui::ListBox>& array, const char* name, int index,
                             ui::Rect r, bool sorted, bool visible) -> ui::ListBox& {
        auto& box =
            array.set(index, std::make_unique<ui::ListBox>(form, ui::elementName(name, index), r,
                                                           ui::ListBox::Options{sorted, visible}));
        box.setFont(kWindowFont);
        return box;
    };
    const auto hidden = [&](ui::ControlArray<ui::ListBox>& array, const char* name, int index,
                            ui::Rect r) -> ui::ListBox& {
        return list(array, name, index, r, false, false);
    };
    const auto button = [this](int index, ui::Rect r, const char* caption, ui::ColourNumber colour,
                               const char* tip) -> ui::Button& {
        auto& b = Uprawl.set(index, std::make_unique<ui::Button>(
                                        form, ui::elementName("Uprawl", index), r, caption));
        b.setFont(kWindowFont);
        b.setBackColor(colour);
        b.setToolTip(tip);
        b.onClick([this, index] { Uprawl_Click(index); });
        return b;
    };
    const char* const pointTip = "Посочете елемента в релацията";

    hidden(dum_N, "dum_N", 0, {0, 240, 615, 1485});
    hidden(dum_N, "dum_N", 1, {7560, 0, 735, 1485});
    hidden(dum_N, "dum_N", 2, {1080, 2400, 615, 1485});
    // The two phrase lists share their tooltip; a screen reader tells them apart by name.
    auto& leftList = list(Slowo, "Slowo", 0, {240, 480, 6105, 2055}, true, true);
    leftList.setToolTip(pointTip);
    leftList.setAccessibleName("Изрази от лявото поле");
    auto& rightList = list(Slowo, "Slowo", 1, {6360, 480, 3375, 2055}, true, true);
    rightList.setToolTip(pointTip);
    rightList.setAccessibleName("Изрази от дясното поле");
    list(Slowo, "Slowo", 2, {840, 2640, 9375, 1485}, false, true)
        .setToolTip("Набор от вече въведени отговори");
    hidden(dum_N, "dum_N", 3, {10440, 2520, 615, 1485});
    button(0, {1200, 4200, 1215, 375}, "Избрах", kChooseOrange, "Натиснете бутон за избор");
    button(1, {4680, 4200, 1215, 375}, "Върни", kWithdrawYellow,
           "Изтрива / възстановява направения избор");
    button(2, {8400, 4200, 1215, 375}, "Оцени", kEvaluateBlue,
           "Преустановява теста и формира оценка")
        .setEnabled(false);
    auto& keysLeft = hidden(dum_N, "dum_N", 4, {120, 3120, 615, 1200});
    auto& keysRight = hidden(dum_N, "dum_N", 5, {10440, 3240, 735, 1200});
    for (int i = 1; i <= 50; ++i) {
        keysLeft.addItem(decimal(i));
        keysRight.addItem(decimal(i));
    }

    Ndapis = std::make_unique<ui::Label>(form, "Ndapis", ui::Rect{4440, 0, 1455, 375},
                                         "Оставащи:", ui::Align::Centre);
    Ndapis->setFont(kWindowFont);
    Ndapis->setBackColor(kCounterOrange);
    Ndapis->setToolTip("Извежда резултатите в края на теста");

    hidden(Nastroiki, "Nastroiki", 0, {480, 4320, 615, 345}).addItem("Zapiswam po-malkiq broj");

    auto& check =
        Prowerka.set(1, std::make_unique<ui::TextBox>(
                            form, "Prowerka_1", ui::Rect{10440, 3120, 495, 495},
                            ui::TextBox::Options{false, false, ui::Align::Centre, false, true}));
    check.setFont(kWindowFont);
    check.setBackColor(kRightGreen);
    check.setToolTip("зелено - Вярно; червено - Грешно");

    auto& box = Prowerka.set(
        0, std::make_unique<ui::TextBox>(form, "Prowerka_0", ui::Rect{1800, 4680, 9135, 2055},
                                         ui::TextBox::Options{true, true, ui::Align::Left, true}));
    box.setFont(kWindowFont);
    box.setBackColor(kExplanationGrey);
    box.setAccessibleName("Указания и обяснения");

    auto& record = hidden(Cweta, "Cweta", 0, {600, 2880, 405, 630});
    record.setToolTip(" Изберете от списъка желан номер въпрос/задача ");

    button(3, {9720, 50, 1215, 375}, "Обясни", kExplainGreen, "Дава обяснения");

    auto& unused = hidden(dum_N, "dum_N", 6, {600, 3120, 615, 1200});
    unused.addItem("Списък за ???");
    for (int i = 1; i < 50; ++i) {
        unused.addItem("0");
    }

    Grafika.set(0, std::make_unique<ui::PictureBox>(form, "Grafika_0",
                                                    ui::Rect{120, 4680, 1575, 1335}, true));
    Grafika.set(1, std::make_unique<ui::PictureBox>(form, "Grafika_1",
                                                    ui::Rect{120, 5760, 1575, 1335}, false));
    Grafika[0].onClick([this] {
        if (pictures_) {
            pictures_->Grafika_Click();
        }
    });
    Grafika[0].setAccessibleName("Картина на избраната фраза");

    for (int i = 0; i < 3; ++i) {
        Slowo[i].onClick([this, i] { Slowo_Click(i); });
    }
    for (int i = 0; i < dum_N.size(); ++i) {
        dum_N[i].onClick([this, i] { dum_N_Click(i); });
    }
}

void MainWindow::Form_Load() {
    const content::ContentStore& danni = content_.danni();
    Broi_werni = 0;
    const auto& info = danni.danni(3);
    form.setCaption(itemAt(info, 0));
    form.setOuterWidth(content::leadingWhole(itemAt(info, 1)));
    Slowo[0].setLeft(content::leadingWhole(itemAt(info, 2)));
    Slowo[0].setWidth(content::leadingWhole(itemAt(info, 3)));
    Slowo[1].setLeft(content::leadingWhole(itemAt(info, 4)));
    Slowo[1].setWidth(content::leadingWhole(itemAt(info, 5)));
    Prowerka[0].setText(danni.ukazanie());
    const int nL = static_cast<int>(danni.danni(0).size());
    const int nR = static_cast<int>(danni.danni(1).size());
    Nastroiki[0].setItem(0, decimal(nR < nL ? nR : nL));
    Napylni_nomera();
    Napylni_frazi();
    Nomerirai_frazi();
    Slowo[0].setListIndex(0);
    Slowo[1].setListIndex(0);
    Razreshi_ocenka();
}

void MainWindow::Napylni_nomera() {
    const content::ContentStore& danni = content_.danni();
    for (int side = 0; side < 2; ++side) {
        ui::ListBox& keys = dum_N[4 + side];
        const int n = static_cast<int>(danni.danni(side).size());
        keys.clear();
        for (int round = 0; round < 2; ++round) {
            for (int i = 1; i <= n; ++i) {
                keys.addItem(decimal(i));
            }
        }
    }
}

void MainWindow::Napylni_frazi() {
    const content::ContentStore& danni = content_.danni();
    for (int side = 0; side < 2; ++side) {
        for (const std::string& phrase : danni.danni(side)) {
            Slowo[side].addItem(phrase);
        }
    }
}

void MainWindow::Nomerirai_frazi() {
    const content::ContentStore& danni = content_.danni();
    for (int side = 0; side < 2; ++side) {
        ui::ListBox& keys = dum_N[side];
        keys.clear();
        for (const std::string& phrase : Slowo[side].items()) {
            // Every phrase in the list came from the content; a miss would be a fault of ours,
            // and "0" keeps the key list parallel all the same.
            const int j = danni.firstMatch(side, phrase);
            keys.addItem(j >= 0 ? dum_N[4 + side].item(j) : "0");
        }
    }
}

// Deliberately looks at the lists as they stand before the action of the button being pressed.
void MainWindow::Razreshi_ocenka() {
    Uprawl[2].setEnabled(Slowo[2].count() >= 3 * Slowo[1].count());
}

void MainWindow::Slowo_Click(int index) {
    const int position = Slowo[index].listIndex();
    switch (index) {
    case 0:
        dum_N[0].setListIndex(position);
        Tekusht_nomer = content::leadingWhole(dum_N[0].item(position));
        pictures_->Pokaji_grafika(Tekusht_nomer);
        break;
    case 1:
        dum_N[1].setListIndex(position);
        break;
    case 2:
        Prowerka[0].setText("");
        dum_N[2].setListIndex(position);
        Tekusht_nomer = content::leadingWhole(dum_N[2].item(position));
        pictures_->Pokaji_grafika(Tekusht_nomer);
        showAnswerCheck(position);
        if (Prowerka[1].isVisible()) {
            form.announce(Prowerka[1].text()); // heard after the answer itself
        }
        break;
    default:
        break;
    }
}

// The hidden lists are selected only from code; a mirrored selection stops after one step, since
// selecting the position a list already has raises nothing.
void MainWindow::dum_N_Click(int index) {
    if (index == 0 || index == 1) {
        Slowo[index].setListIndex(dum_N[index].listIndex());
    }
}

// A screen reader is told when "Оцени" has become available by the press.
void MainWindow::Uprawl_Click(int index) {
    const bool couldEvaluate = Uprawl[2].isEnabled();
    runCommand(index);
    if (!couldEvaluate && Uprawl[2].isEnabled()) {
        form.announce("Бутонът „Оцени“ е достъпен");
    }
}

void MainWindow::runCommand(int index) {
    // "Оцени" pressed from the keys: the learner goes on in the answers, where the first is
    // selected and checked. The focus moves there first, as the enabling rule may disable the
    // pressed button now and would pass the focus on to the next control.
    if (index == 2 && Uprawl[2].hasFocus() && Slowo[2].count() > 0) {
        Slowo[2].setFocus();
    }
    Razreshi_ocenka();
    switch (index) {
    case 0:
        Wywedi_dwoika();
        break;
    case 1:
        Wyrni_dwoika();
        break;
    case 2:
        if (Slowo[2].count() == 0) {
            return;
        }
        Oceni_testa();
        Uprawl[3].setEnabled(true);
        Uprawl[2].setEnabled(false);
        break;
    case 3:
        if (Uprawl[0].isEnabled()) {
            if (Slowo[0].listIndex() < 0 || Slowo[1].listIndex() < 0) {
                return;
            }
            explanations_->Obqsni_izbor();
            form.announce(Prowerka[0].text());
            Uprawl[3].setEnabled(false);
        } else {
            if (Slowo[2].listIndex() < 0) {
                return;
            }
            explanations_->Obqsni_otgowor();
            form.announce(Prowerka[0].text());
            Uprawl[2].setEnabled(false);
        }
        break;
    default:
        break;
    }
}

void MainWindow::Wywedi_dwoika() {
    const int i0 = Slowo[0].listIndex();
    const int i1 = Slowo[1].listIndex();
    if (i0 < 0 || i1 < 0) {
        return;
    }
    Slowo[2].addItem(Slowo[0].item(i0) + " " + Slowo[1].item(i1));
    dum_N[2].addItem(dum_N[0].item(i0));
    dum_N[3].addItem(dum_N[1].item(i1));
    Slowo[0].removeItem(i0);
    dum_N[0].removeItem(i0);
    Slowo[1].removeItem(i1);
    dum_N[1].removeItem(i1);
    Opredeli_ostawashti();
}

void MainWindow::Wyrni_dwoika() {
    const int s = Slowo[2].listIndex();
    if (s < 0) {
        return;
    }
    const content::ContentStore& danni = content_.danni();
    Slowo[0].addItem(itemAt(danni.danni(0), content::leadingWhole(dum_N[2].item(s)) - 1));
    Slowo[1].addItem(itemAt(danni.danni(1), content::leadingWhole(dum_N[3].item(s)) - 1));
    dum_N[2].removeItem(s);
    dum_N[3].removeItem(s);
    Slowo[2].removeItem(s);
    if (Slowo[2].count() > s) {
        Slowo[2].setListIndex(s);
    }
    Nomerirai_frazi();
    Opredeli_ostawashti();
    if (Slowo[2].listIndex() < 0 && Slowo[2].count() > 0) {
        Slowo[2].setListIndex(Slowo[2].count() - 1);
    }
}

void MainWindow::Opredeli_ostawashti() {
    const int left = Slowo[0].count();
    const int right = Slowo[1].count();
    Ndapis->setCaption("Остават: " + decimal(left < right ? left : right));
    form.announce(Ndapis->caption());
}

void MainWindow::Oceni_testa() {
    Broi_werni = 0;
    for (int i = 0; i < Slowo[2].count(); ++i) {
        if (dum_N[2].item(i) == dum_N[3].item(i)) {
            ++Broi_werni;
        }
    }
    // Content with an empty phrase list has no pairs; no answer can be entered then, and the
    // score of an empty quiz is 0.
    const double pairs = leadingNumber(Nastroiki[0].item(0));
    const long long score = pairs > 0 ? content::roundHalfEven(100.0 * Broi_werni / pairs) : 0;
    Uprawl[0].setEnabled(false);
    Uprawl[1].setEnabled(false);
    Ndapis->setCaption("Верни: " + decimal(score) + "%");
    form.announce(Ndapis->caption());
    if (Slowo[2].count() > 0) {
        Slowo[2].setListIndex(0);
        showAnswerCheck(0);
    }
    Prowerka[1].setVisible(true);
    if (Slowo[2].count() > 0) {
        form.announce(Prowerka[1].text());
    }
}

void MainWindow::showAnswerCheck(int position) {
    if (dum_N[2].item(position) == dum_N[3].item(position)) {
        Prowerka[1].setBackColor(kRightGreen);
        Prowerka[1].setText("ДА");
    } else {
        Prowerka[1].setBackColor(kWrongRed);
        Prowerka[1].setText("НЕ");
    }
}

// Each step over the three lists first, then over the boxes, in the order the colour window
// has always applied them.
void MainWindow::applyAppearance(const Appearance& a) {
    const auto lists = [this](auto apply) {
        for (int i = 0; i < 3; ++i) {
            apply(Slowo[i]);
        }
    };
    form.setBackColor(a.windowBackground);
    lists([&](ui::ListBox& list) { list.setBackColor(a.textBackground); });
    Prowerka[0].setBackColor(a.textBackground);
    Ndapis->setBackColor(a.textBackground);
    lists([&](ui::ListBox& list) { list.setForeColor(a.textColour); });
    Ndapis->setForeColor(a.textColour);
    Prowerka[0].setForeColor(a.textColour);
    lists([&](ui::ListBox& list) { list.setFontFace(a.fontFace); });
    Prowerka[0].setFontFace(a.fontFace);
    lists([&](ui::ListBox& list) { list.setFontSize(a.fontPoints); });
    Prowerka[0].setFontSize(a.fontPoints);
}

} // namespace keb
