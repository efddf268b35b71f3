#pragma once

#include <string>

namespace ui {

// The text's bytes in the Windows-1251 code page, the order in which sorted lists keep their
// items. A character the code page lacks becomes '?'; a byte that is no part of a UTF-8 sequence
// stands for itself.
std::string toWindows1251(const std::string& utf8);

// A key whose byte order is the Windows-1251 byte order of the text; texts that encode alike
// are told apart by their UTF-8 bytes, so the order is total.
std::string sortKey(const std::string& utf8);

inline bool sortsBefore(const std::string& a, const std::string& b) {
    return sortKey(a) < sortKey(b);
}

} // namespace ui
