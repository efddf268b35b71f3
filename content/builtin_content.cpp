#include "content/content_table.h"

#include <string>
#include <utility>

namespace content {

namespace {

const char* const kSite = "www.keb.example";

std::vector<std::string> states() {
    return {"Айдахо",
            "Айова",
            "Алабама",
            "Аляска",
            "Аризона",
            "Арканзас",
            "Вашингтон",
            "Вирджиния",
            "Върмонт",
            "Делауеър",
            "Джорджия",
            "Западна Вирджиния",
            "Илинойс",
            "Индиана",
            "Калифорния",
            "Канзас",
            "Кентъки",
            "Колорадо",
            "Кънектикът",
            "Луизиана",
            "Масачузетс",
            "Мейн",
            "Мериленд",
            "Минесота",
            "Мисисипи",
            "Мисури",
            "Мичигън",
            "Монтана",
            "Небраска",
            "Невада",
            "Ню Джърси",
            "Ню Йорк",
            "Ню Мексико",
            "Ню Хемпшир",
            "Оклахома",
            "Орегон",
            "Охайо",
            "Пенсилвания",
            "Род Айлънд",
            "Северна Дакота",
            "Северна Каролина",
            "Тексас",
            "Тенеси",
            "Уайоминг",
            "Уисконсин",
            "Флорида",
            "Хавай",
            "Южна Дакота",
            "Южна Каролина",
            "Юта Солт"};
}

// Every capital is stored with one blank after it.
std::vector<std::string> capitals() {
    return {"Бойзи ",          "Де Мойн ",   "Монгомъри ",  "Джуно ",        "Финикс ",
            "Литъл Рок ",      "Олимпия ",   "Ричмънд ",    "Монпелие ",     "Доувър ",
            "Атланта ",        "Чарлстън ",  "Спрингфилд ", "Индианаполис ", "Сакраменто ",
            "Топика ",         "Франкфорт ", "Денвър ",     "Хардфорд ",     "Батън Руж ",
            "Бостън ",         "Огъста ",    "Анаполис ",   "Сейнт Пол ",    "Джакстън ",
            "Джеферсън сити ", "Лансинг ",   "Хелена ",     "Линкълн ",      "Карсън сити ",
            "Трентън ",        "Олбъни ",    "Санта Фе ",   "Конкорд ",      "Оклахома сити ",
            "Салем ",          "Калумбус ",  "Харисбърг ",  "Провидънс ",    "Бисмарк ",
            "Рали ",           "Остин ",     "Нашвил ",     "Шейен ",        "Медисън ",
            "Талахаси ",       "Хонолулу ",  "Пиер ",       "Колумбия ",     "Лейк Сити "};
}

// The extra explanation lines of phrase k: a heading, then nineteen copies of a number m that
// runs 1..30, then 20 down to 11 twice. Phrase 6 ends in a 5.
std::vector<std::string> extraLines(int k) {
    const int m = k <= 30 ? k : k <= 40 ? 51 - k : 61 - k;
    std::vector<std::string> lines{"Otgowor " + std::to_string(m)};
    for (int i = 1; i <= 19; ++i) {
        lines.push_back(std::to_string(m));
    }
    if (k == 6) {
        lines[19] = "5";
    }
    return lines;
}

std::vector<std::string> zeroFlags(const std::string& label) {
    std::vector<std::string> flags{label};
    flags.resize(62, "0");
    return flags;
}

} // namespace

ContentTable builtinContent() {
    ContentTable t;
    t.siteAddress = kSite;
    t.danni = {states(),
               capitals(),
               {},
               {std::string(kSite) + " KEB по География - американски щати и техните столици",
                "11250", "120", "3135", "3360", "4575"}};
    t.otgowor.push_back(zeroFlags("Ima li obqsneniq"));
    for (int k = 1; k <= 50; ++k) {
        t.otgowor.push_back(extraLines(k));
    }
    t.ukazanie =
        "Това е релационен тест.\r\n"
        "Трябва да се подберат всички правилни комбинация от двойки изрази от лявото и \r\n"
        "дясното списъчно поле.\r\n"
        "Не е задължително броят фрази в лявата част да е непременно равен на тези в \r\n"
        "дясната част.\r\n"
        "При оценяване се отчита броя въведени верни комбинации съотнесени към общия \r\n"
        "брой верни комбинации. Липсата на комбинация се отчита като грешен отговор\r\n";
    t.pictureFlags = zeroFlags("Utochnenie dali ima grafika - 30 br");
    return t;
}

ContentTable builtinContentWith(std::vector<std::string> left, std::vector<std::string> right) {
    ContentTable t = builtinContent();
    t.danni[0] = std::move(left);
    t.danni[1] = std::move(right);
    return t;
}

} // namespace content
