#include "ui/cp1251.h"

#include <array>
#include <cstdint>
#include <optional>

namespace ui {

namespace {

// Code points of the bytes 0x80..0xBF; 0 marks the one unused byte.
constexpr std::array<char32_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

unsigned char encode(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<unsigned char>(cp);
    }
    if (cp >= 0x0410 && cp <= 0x044F) { // А..я
        return static_cast<unsigned char>(0xC0 + (cp - 0x0410));
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp && cp != 0) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return '?';
}

// Decodes one UTF-8 sequence at text[i], advancing i past it; a malformed byte is no sequence,
// and i stays.
std::optional<char32_t> decode(const std::string& text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
        return std::nullopt;
    }
    auto cp = static_cast<char32_t>(length == 1 ? lead : lead & (0x7F >> length));
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

} // namespace

std::string toWindows1251(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> cp = decode(utf8, i);
        // A malformed byte stands for itself.
        out.push_back(cp ? static_cast<char>(encode(*cp)) : utf8[i++]);
    }
    return out;
}

std::string sortKey(const std::string& utf8) {
    // std::string orders its bytes as unsigned char, as the code page needs.
    std::string key = toWindows1251(utf8);
    key.push_back('\0');
    key += utf8;
    return key;
}

} // namespace ui
