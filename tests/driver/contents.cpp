#include "contents.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace test {

content::ContentTable numberedContent(int left, int right) {
    std::vector<std::string> l;
    std::vector<std::string> r;
    for (int i = 1; i <= left; ++i) {
        l.push_back("Ляв " + std::to_string(i));
    }
    for (int i = 1; i <= right; ++i) {
        r.push_back("Десен " + std::to_string(i) + " ");
    }
    return content::builtinContentWith(std::move(l), std::move(r));
}

content::ContentTable withPictureFlag(int n, const std::string& flag) {
    content::ContentTable table = content::builtinContent();
    table.pictureFlags[static_cast<std::size_t>(n)] = flag;
    return table;
}

namespace {

// The Windows-1251 code page from byte 0xC0 on: the Cyrillic capitals, then the small letters.
// Ё and ё stand apart, at 0xA8 and 0xB8.
constexpr std::u32string_view kFromC0 =
    U"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя";

unsigned codePageByte(char32_t c) {
    if (c < 0x80) {
        return static_cast<unsigned>(c);
    }
    if (c == U'Ё') {
        return 0xA8;
    }
    if (c == U'ё') {
        return 0xB8;
    }
    const std::size_t at = kFromC0.find(c);
    if (at == std::u32string_view::npos) {
        throw std::invalid_argument("a character the tests' code page table lacks");
    }
    return 0xC0 + static_cast<unsigned>(at);
}

std::vector<unsigned> codePageBytes(const std::string& utf8) {
    std::vector<unsigned> bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t c = lead;
        std::size_t length = 1;
        if (lead >= 0xC0 && lead < 0xE0 && i + 1 < utf8.size()) {
            c = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            length = 2;
        }
        bytes.push_back(codePageByte(c));
        i += length;
    }
    return bytes;
}

} // namespace

bool codePageLess(const std::string& a, const std::string& b) {
    return codePageBytes(a) < codePageBytes(b);
}

} // namespace test
