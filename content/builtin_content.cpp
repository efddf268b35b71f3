#include "content/content_table.h"

#include <iterator>
#include <string>
#include <utility>

namespace content {

namespace {

const char* const kSite = "www.keb.example";

struct Pair {
    const char* left;
    const char* right;
};

// Pair n is line n: a state and its capital. Every capital is stored with one blank after it,
// and pair 50 stands as it always has.
constexpr Pair kPairs[] = {
    {"Айдахо", "Бойзи "},           {"Айова", "Де Мойн "},
    {"Алабама", "Монгомъри "},      {"Аляска", "Джуно "},
    {"Аризона", "Финикс "},         {"Арканзас", "Литъл Рок "},
    {"Вашингтон", "Олимпия "},      {"Вирджиния", "Ричмънд "},
    {"Върмонт", "Монпелие "},       {"Делауеър", "Доувър "},
    {"Джорджия", "Атланта "},       {"Западна Вирджиния", "Чарлстън "},
    {"Илинойс", "Спрингфилд "},     {"Индиана", "Индианаполис "},
    {"Калифорния", "Сакраменто "},  {"Канзас", "Топика "},
    {"Кентъки", "Франкфорт "},      {"Колорадо", "Денвър "},
    {"Кънектикът", "Хардфорд "},    {"Луизиана", "Батън Руж "},
    {"Масачузетс", "Бостън "},      {"Мейн", "Огъста "},
    {"Мериленд", "Анаполис "},      {"Минесота", "Сейнт Пол "},
    {"Мисисипи", "Джакстън "},      {"Мисури", "Джеферсън сити "},
    {"Мичигън", "Лансинг "},        {"Монтана", "Хелена "},
    {"Небраска", "Линкълн "},       {"Невада", "Карсън сити "},
    {"Ню Джърси", "Трентън "},      {"Ню Йорк", "Олбъни "},
    {"Ню Мексико", "Санта Фе "},    {"Ню Хемпшир", "Конкорд "},
    {"Оклахома", "Оклахома сити "}, {"Орегон", "Салем "},
    {"Охайо", "Калумбус "},         {"Пенсилвания", "Харисбърг "},
    {"Род Айлънд", "Провидънс "},   {"Северна Дакота", "Бисмарк "},
    {"Северна Каролина", "Рали "},  {"Тексас", "Остин "},
    {"Тенеси", "Нашвил "},          {"Уайоминг", "Шейен "},
    {"Уисконсин", "Медисън "},      {"Флорида", "Талахаси "},
    {"Хавай", "Хонолулу "},         {"Южна Дакота", "Пиер "},
    {"Южна Каролина", "Колумбия "}, {"Юта Солт", "Лейк Сити "},
};

std::vector<std::string> side(const char* Pair::*phrase) {
    std::vector<std::string> list;
    for (const Pair& pair : kPairs) {
        list.emplace_back(pair.*phrase);
    }
    return list;
}

// The extra explanation lines of phrase k: a heading, then nineteen copies of a number m that
// runs 1..30, then 20 down to 11 twice. Phrase 6 ends in a 5.
std::vector<std::string> extraLines(int k) {
    const std::string m = std::to_string(k <= 30 ? k : k <= 40 ? 51 - k : 61 - k);
    std::vector<std::string> lines{"Otgowor " + m};
    for (int i = 1; i <= 19; ++i) {
        lines.push_back(k == 6 && i == 19 ? std::string("5") : m);
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
    t.danni = {side(&Pair::left),
               side(&Pair::right),
               {},
               {std::string(kSite) + " KEB по География - американски щати и техните столици",
                "11250", "120", "3135", "3360", "4575"}};
    t.otgowor.push_back(zeroFlags("Ima li obqsneniq"));
    for (int k = 1; k <= static_cast<int>(std::size(kPairs)); ++k) {
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
