#include "quiz/main_window.h"

#include "content/content_store.h"
#include "content/numbers.h"
#include "detail/menu_commands.h"
#include "quiz/appearance.h"
#include "quiz/explanation_procedures.h"
#include "quiz/grading.h"
#include "quiz/picture_procedures.h"
#include "quiz/quiz_parts.h"
#include "quiz/window_font.h"
#include "quiz/window_icon.h"
#include "ui/control_table.h"

#include <optional>
#include <string>
#include <vector>

namespace keb {

using content::decimalText;
using content::itemAt;
using content::leadingNumber;

namespace {

// The window's own colours, as colour numbers 0xBBGGRR (red in the lowest byte).
constexpr ui::ColourNumber kWindowGreen = 0x008000;     // 0/128/0
constexpr ui::ColourNumber kChooseOrange = 0x0080FF;    // 255/128/0, "Избрах"
constexpr ui::ColourNumber kWithdrawYellow = 0x80FFFF;  // 255/255/128, "Върни"
constexpr ui::ColourNumber kEvaluateBlue = 0xFFC0C0;    // 192/192/255, "Оцени"
constexpr ui::ColourNumber kExplainGreen = 0x00C000;    // 0/192/0, "Обясни"
constexpr ui::ColourNumber kCounterOrange = 0x80C0FF;   // 255/192/128, the counter
constexpr ui::ColourNumber kExplanationGrey = 0xE0E0E0; // 224/224/224, the explanation box
constexpr ui::ColourNumber kRightGreen = 0x00FF00;      // 0/255/0, "ДА"
constexpr ui::ColourNumber kWrongRed = 0x0000FF;        // 255/0/0, "НЕ"

// The key tables and the unused list are made at their full size; the start-up fills the key
// tables again from the content.
constexpr int kKeyTableSize = 50;

// The quiz window's controls, one row each, in tab order: which control, where, and how it reads.
// A text box of several lines has a vertical scroll bar; the one that shows a mark is centred.
constexpr ui::TextBox::Options kLines{.multiLine = true, .verticalScrollBar = true};
constexpr ui::TextBox::Options kMark{.align = ui::Align::Centre, .mark = true};

// The two phrase lists share their tooltip; a screen reader tells them apart by name.
constexpr const char* kPointTip = "Посочете елемента в релацията";

const ui::ControlRow kRows[] = {
    {.name = "dum_N", .index = 0, .twips = {0, 240, 615, 1485}, .visible = false},
    {.name = "dum_N", .index = 1, .twips = {7560, 0, 735, 1485}, .visible = false},
    {.name = "dum_N", .index = 2, .twips = {1080, 2400, 615, 1485}, .visible = false},
    {.name = "Slowo",
     .index = 0,
     .twips = {240, 480, 6105, 2055},
     .toolTip = kPointTip,
     .accessibleName = "Изрази от лявото поле",
     .sorted = true},
    {.name = "Slowo",
     .index = 1,
     .twips = {6360, 480, 3375, 2055},
     .toolTip = kPointTip,
     .accessibleName = "Изрази от дясното поле",
     .sorted = true},
    {.name = "Slowo",
     .index = 2,
     .twips = {840, 2640, 9375, 1485},
     .toolTip = "Набор от вече въведени отговори"},
    {.name = "dum_N", .index = 3, .twips = {10440, 2520, 615, 1485}, .visible = false},
    {.name = "Uprawl",
     .index = 0,
     .twips = {1200, 4200, 1215, 375},
     .caption = "Избрах",
     .toolTip = "Натиснете бутон за избор",
     .background = kChooseOrange},
    {.name = "Uprawl",
     .index = 1,
     .twips = {4680, 4200, 1215, 375},
     .caption = "Върни",
     .toolTip = "Изтрива / възстановява направения избор",
     .background = kWithdrawYellow},
    {.name = "Uprawl",
     .index = 2,
     .twips = {8400, 4200, 1215, 375},
     .caption = "Оцени",
     .toolTip = "Преустановява теста и формира оценка",
     .background = kEvaluateBlue},
    {.name = "dum_N", .index = 4, .twips = {120, 3120, 615, 1200}, .visible = false},
    {.name = "dum_N", .index = 5, .twips = {10440, 3240, 735, 1200}, .visible = false},
    {.name = "Ndapis",
     .twips = {4440, 0, 1455, 375},
     .caption = "Оставащи:",
     .toolTip = "Извежда резултатите в края на теста",
     .background = kCounterOrange},
    {.name = "Nastroiki", .index = 0, .twips = {480, 4320, 615, 345}, .visible = false},
    {.name = "Prowerka",
     .index = 1,
     .twips = {10440, 3120, 495, 495},
     .toolTip = "зелено - Вярно; червено - Грешно",
     .background = kRightGreen,
     .visible = false,
     .text = kMark},
    {.name = "Prowerka",
     .index = 0,
     .twips = {1800, 4680, 9135, 2055},
     .background = kExplanationGrey,
     .accessibleName = "Указания и обяснения",
     .text = kLines},
    {.name = "Cweta",
     .index = 0,
     .twips = {600, 2880, 405, 630},
     .toolTip = " Изберете от списъка желан номер въпрос/задача ",
     .visible = false},
    {.name = "Uprawl",
     .index = 3,
     .twips = {9720, 50, 1215, 375},
     .caption = "Обясни",
     .toolTip = "Дава обяснения",
     .background = kExplainGreen},
    {.name = "dum_N", .index = 6, .twips = {600, 3120, 615, 1200}, .visible = false},
    {.name = "Grafika",
     .index = 0,
     .twips = {120, 4680, 1575, 1335},
     .accessibleName = "Картина на избраната фраза"},
    {.name = "Grafika", .index = 1, .twips = {120, 5760, 1575, 1335}, .visible = false},
};

} // namespace

MainWindow::MainWindow(const content::ContentStore& content, ProgramCommands& program,
                       PictureProcedures& pictures, ExplanationProcedures& explanations,
                       const std::vector<std::string>& settingsRecord)
    : content_(content), pictures_(pictures), explanations_(explanations) {
    // The caption starts as 29 blanks; the start-up puts the title from the content there.
    c_.form.setCaption(std::string(29, ' '));
    c_.form.setClientSize(11865, 7005);
    c_.form.setBackColor(kWindowGreen);
    c_.form.setIcon(windowIcon());
    createControls();
    for (const std::string& item : settingsRecord) {
        c_.Cweta[0].addItem(item);
    }
    menu_ = std::make_unique<MenuCommands>(c_.form, program);
}

MainWindow::~MainWindow() = default;

QuizParts MainWindow::parts() {
    return QuizParts{
        c_.Prowerka[0], c_.Slowo, c_.dum_N[2], c_.Grafika, c_.Tekusht_nomer, c_.Broi_werni, [this] {
            Wywedi_dwoika();
        }};
}

void MainWindow::createControls() {
    ui::ControlTable(c_.form, &kWindowFont)
        .array("dum_N", c_.dum_N)
        .array("Slowo", c_.Slowo)
        .array("Uprawl", c_.Uprawl)
        .array("Nastroiki", c_.Nastroiki)
        .array("Prowerka", c_.Prowerka)
        .array("Cweta", c_.Cweta)
        .array("Grafika", c_.Grafika)
        .single("Ndapis", c_.Ndapis)
        .make(kRows);

    // What the rows do not say: the lists' first items, the handlers, and "Оцени" unavailable
    // until the start-up's enabling rule has looked at the lists.
    for (int i = 1; i <= kKeyTableSize; ++i) {
        c_.dum_N[4].addItem(decimalText(i));
        c_.dum_N[5].addItem(decimalText(i));
    }
    c_.dum_N[6].addItem("Списък за ???");
    for (int i = 1; i < kKeyTableSize; ++i) {
        c_.dum_N[6].addItem("0");
    }
    c_.Nastroiki[0].addItem("Zapiswam po-malkiq broj");
    c_.Uprawl[2].setEnabled(false);
    for (int i = 0; i < c_.Uprawl.size(); ++i) {
        c_.Uprawl[i].onClick([this, i] { Uprawl_Click(i); });
    }
    for (int i = 0; i < 3; ++i) {
        c_.Slowo[i].onClick([this, i] { Slowo_Click(i); });
    }
    for (int i = 0; i < c_.dum_N.size(); ++i) {
        c_.dum_N[i].onClick([this, i] { dum_N_Click(i); });
    }
    // Only the thumbnail Grafika(0) is ever clicked.
    c_.Grafika[0].onClick([this] {
        QuizParts quiz = parts();
        pictures_.Grafika_Click(quiz);
    });
}

void MainWindow::show() {
    c_.form.centreOnScreen();
    c_.form.showModeless();
}

void MainWindow::hide() {
    c_.form.hide();
}

const std::vector<std::string>& MainWindow::settingsRecord() const {
    return c_.Cweta[0].items();
}

void MainWindow::setRecordItem(int item, const std::string& text) {
    c_.Cweta[0].setItem(item, text);
}

void MainWindow::Form_Load() {
    c_.Broi_werni = 0;
    const auto& info = content_.danni(3);
    c_.form.setCaption(itemAt(info, 0));
    c_.form.setOuterWidth(content::leadingWhole(itemAt(info, 1)));
    c_.Slowo[0].setLeft(content::leadingWhole(itemAt(info, 2)));
    c_.Slowo[0].setWidth(content::leadingWhole(itemAt(info, 3)));
    c_.Slowo[1].setLeft(content::leadingWhole(itemAt(info, 4)));
    c_.Slowo[1].setWidth(content::leadingWhole(itemAt(info, 5)));
    c_.Prowerka[0].setText(content_.ukazanie());
    const int nL = static_cast<int>(content_.danni(0).size());
    const int nR = static_cast<int>(content_.danni(1).size());
    c_.Nastroiki[0].setItem(0, decimalText(nR < nL ? nR : nL));
    Napylni_nomera();
    Napylni_frazi();
    Nomerirai_frazi();
    c_.Slowo[0].setListIndex(0);
    c_.Slowo[1].setListIndex(0);
    Razreshi_ocenka();
}

void MainWindow::Napylni_nomera() {
    for (int side = 0; side < 2; ++side) {
        ui::ListBox& keys = c_.dum_N[4 + side];
        const int n = static_cast<int>(content_.danni(side).size());
        keys.clear();
        for (int round = 0; round < 2; ++round) {
            for (int i = 1; i <= n; ++i) {
                keys.addItem(decimalText(i));
            }
        }
    }
}

void MainWindow::Napylni_frazi() {
    for (int side = 0; side < 2; ++side) {
        for (const std::string& phrase : content_.danni(side)) {
            c_.Slowo[side].addItem(phrase);
        }
    }
}

void MainWindow::Nomerirai_frazi() {
    for (int side = 0; side < 2; ++side) {
        ui::ListBox& keys = c_.dum_N[side];
        keys.clear();
        for (const std::string& phrase : c_.Slowo[side].items()) {
            // Every phrase in the list came from the content; a miss would be a fault of ours,
            // and "0" keeps the key list parallel all the same.
            const int j = content_.firstMatch(side, phrase);
            keys.addItem(j >= 0 ? c_.dum_N[4 + side].item(j) : "0");
        }
    }
}

// Deliberately looks at the lists as they stand before the action of the button being pressed.
void MainWindow::Razreshi_ocenka() {
    c_.Uprawl[2].setEnabled(c_.Slowo[2].count() >= 3 * c_.Slowo[1].count());
}

void MainWindow::Slowo_Click(int index) {
    const int position = c_.Slowo[index].listIndex();
    switch (index) {
    case 0:
        c_.dum_N[0].setListIndex(position);
        c_.Tekusht_nomer = content::leadingWhole(c_.dum_N[0].item(position));
        showThumbnail();
        break;
    case 1:
        c_.dum_N[1].setListIndex(position);
        break;
    case 2:
        c_.Prowerka[0].setText("");
        c_.dum_N[2].setListIndex(position);
        c_.Tekusht_nomer = content::leadingWhole(c_.dum_N[2].item(position));
        showThumbnail();
        showAnswerCheck(position);
        if (c_.Prowerka[1].isVisible()) {
            c_.form.announce(c_.Prowerka[1].text()); // heard after the answer itself
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
        c_.Slowo[index].setListIndex(c_.dum_N[index].listIndex());
    }
}

// A screen reader is told when "Оцени" has become available by the press.
void MainWindow::Uprawl_Click(int index) {
    const bool couldEvaluate = c_.Uprawl[2].isEnabled();
    runCommand(index);
    if (!couldEvaluate && c_.Uprawl[2].isEnabled()) {
        c_.form.announce("Бутонът „Оцени“ е достъпен");
    }
}

void MainWindow::runCommand(int index) {
    // "Оцени" pressed from the keys: the learner goes on in the answers, where the first is
    // selected and checked. The focus moves there first, as the enabling rule may disable the
    // pressed button now and would pass the focus on to the next control.
    if (index == 2 && c_.Uprawl[2].hasFocus() && c_.Slowo[2].count() > 0) {
        c_.Slowo[2].setFocus();
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
        if (c_.Slowo[2].count() == 0) {
            return;
        }
        Oceni_testa();
        c_.Uprawl[3].setEnabled(true);
        c_.Uprawl[2].setEnabled(false);
        break;
    case 3:
        if (c_.Uprawl[0].isEnabled()) {
            if (c_.Slowo[0].listIndex() < 0 || c_.Slowo[1].listIndex() < 0) {
                return;
            }
            QuizParts quiz = parts();
            explanations_.Obqsni_izbor(quiz);
            c_.form.announce(c_.Prowerka[0].text());
            c_.Uprawl[3].setEnabled(false);
        } else {
            if (c_.Slowo[2].listIndex() < 0) {
                return;
            }
            QuizParts quiz = parts();
            explanations_.Obqsni_otgowor(quiz);
            c_.form.announce(c_.Prowerka[0].text());
            c_.Uprawl[2].setEnabled(false);
        }
        break;
    default:
        break;
    }
}

void MainWindow::Wywedi_dwoika() {
    const int i0 = c_.Slowo[0].listIndex();
    const int i1 = c_.Slowo[1].listIndex();
    if (i0 < 0 || i1 < 0) {
        return;
    }
    c_.Slowo[2].addItem(c_.Slowo[0].item(i0) + " " + c_.Slowo[1].item(i1));
    c_.dum_N[2].addItem(c_.dum_N[0].item(i0));
    c_.dum_N[3].addItem(c_.dum_N[1].item(i1));
    c_.Slowo[0].removeItem(i0);
    c_.dum_N[0].removeItem(i0);
    c_.Slowo[1].removeItem(i1);
    c_.dum_N[1].removeItem(i1);
    Opredeli_ostawashti();
}

void MainWindow::Wyrni_dwoika() {
    const int s = c_.Slowo[2].listIndex();
    if (s < 0) {
        return;
    }
    c_.Slowo[0].addItem(itemAt(content_.danni(0), content::leadingWhole(c_.dum_N[2].item(s)) - 1));
    c_.Slowo[1].addItem(itemAt(content_.danni(1), content::leadingWhole(c_.dum_N[3].item(s)) - 1));
    c_.dum_N[2].removeItem(s);
    c_.dum_N[3].removeItem(s);
    c_.Slowo[2].removeItem(s);
    if (c_.Slowo[2].count() > s) {
        c_.Slowo[2].setListIndex(s);
    }
    Nomerirai_frazi();
    Opredeli_ostawashti();
    if (c_.Slowo[2].listIndex() < 0 && c_.Slowo[2].count() > 0) {
        c_.Slowo[2].setListIndex(c_.Slowo[2].count() - 1);
    }
}

void MainWindow::Opredeli_ostawashti() {
    const int left = c_.Slowo[0].count();
    const int right = c_.Slowo[1].count();
    c_.Ndapis->setCaption("Остават: " + decimalText(left < right ? left : right));
    c_.form.announce(c_.Ndapis->caption());
}

void MainWindow::Oceni_testa() {
    c_.Broi_werni = 0;
    for (int i = 0; i < c_.Slowo[2].count(); ++i) {
        if (isCorrect(c_.dum_N[2].item(i), c_.dum_N[3].item(i))) {
            ++c_.Broi_werni;
        }
    }
    const long long percent = percentCorrect(c_.Broi_werni, leadingNumber(c_.Nastroiki[0].item(0)));
    c_.Uprawl[0].setEnabled(false);
    c_.Uprawl[1].setEnabled(false);
    c_.Ndapis->setCaption("Верни: " + decimalText(percent) + "%");
    c_.form.announce(c_.Ndapis->caption());
    if (c_.Slowo[2].count() > 0) {
        c_.Slowo[2].setListIndex(0);
        showAnswerCheck(0);
    }
    c_.Prowerka[1].setVisible(true);
    if (c_.Slowo[2].count() > 0) {
        c_.form.announce(c_.Prowerka[1].text());
    }
}

void MainWindow::showThumbnail() {
    QuizParts quiz = parts();
    pictures_.Pokaji_grafika(quiz, c_.Tekusht_nomer);
}

void MainWindow::showAnswerCheck(int position) {
    if (isCorrect(c_.dum_N[2].item(position), c_.dum_N[3].item(position))) {
        c_.Prowerka[1].setBackColor(kRightGreen);
        c_.Prowerka[1].setText("ДА");
    } else {
        c_.Prowerka[1].setBackColor(kWrongRed);
        c_.Prowerka[1].setText("НЕ");
    }
}

// Each step over the three lists first, then over the boxes, in the order the colour window
// has always applied them.
void MainWindow::applyAppearance(const Appearance& a) {
    const auto lists = [this](auto apply) {
        for (int i = 0; i < 3; ++i) {
            apply(c_.Slowo[i]);
        }
    };
    c_.form.setBackColor(a.windowBackground);
    lists([&](ui::ListBox& list) { list.setBackColor(a.textBackground); });
    c_.Prowerka[0].setBackColor(a.textBackground);
    c_.Ndapis->setBackColor(a.textBackground);
    lists([&](ui::ListBox& list) { list.setForeColor(a.textColour); });
    c_.Ndapis->setForeColor(a.textColour);
    c_.Prowerka[0].setForeColor(a.textColour);
    lists([&](ui::ListBox& list) { list.setFontFace(a.fontFace); });
    c_.Prowerka[0].setFontFace(a.fontFace);
    lists([&](ui::ListBox& list) { list.setFontSize(a.fontPoints); });
    c_.Prowerka[0].setFontSize(a.fontPoints);
}

} // namespace keb
