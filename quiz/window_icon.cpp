#include "quiz/window_icon.h"

namespace keb {

namespace {

// Two cards, the phrases of a pair, joined on the quiz window's green; colours of the standard
// 16-colour palette.
const char* const kIcon32[] = {
    "32 32 7 1",
    "k c #000000",
    "g c #008000",
    "w c #FFFFFF",
    "y c #FFFF00",
    "b c #000080",
    "r c #800000",
    "o c #FF0000",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kkggggggggggggggggggggggggggggkk",
    "kkggggggggggggggggggggggggggggkk",
    "kkggggggggggggggggggggggggggggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwbbbbbwwggggggyyrrrrryyggkk",
    "kkggwwbbbbbwwggggggyyrrrrryyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwbbbbbwwooooooyyrrrrryyggkk",
    "kkggwwbbbbbwwooooooyyrrrrryyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwbbbbbwwooooooyyrrrrryyggkk",
    "kkggwwbbbbbwwooooooyyrrrrryyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwbbbbbwwggggggyyrrrrryyggkk",
    "kkggwwbbbbbwwggggggyyrrrrryyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggwwwwwwwwwggggggyyyyyyyyyggkk",
    "kkggggggggggggggggggggggggggggkk",
    "kkggggggggggggggggggggggggggggkk",
    "kkggggggggggggggggggggggggggggkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
};

const char* const kIcon16[] = {
    "16 16 7 1",        "k c #000000",      "g c #008000",      "w c #FFFFFF",
    "y c #FFFF00",      "b c #000080",      "r c #800000",      "o c #FF0000",
    "kkkkkkkkkkkkkkkk", "kggggggggggggggk", "kgwwwwgggyyyyygk", "kgwwwwgggyyyyygk",
    "kgwbbwgggyrrrygk", "kgwwwwgggyyyyygk", "kgwbbwoooyrrrygk", "kgwwwwgggyyyyygk",
    "kgwwwwgggyyyyygk", "kgwbbwoooyrrrygk", "kgwwwwgggyyyyygk", "kgwbbwgggyrrrygk",
    "kgwwwwgggyyyyygk", "kggggggggggggggk", "kggggggggggggggk", "kkkkkkkkkkkkkkkk",
};

} // namespace

std::vector<const char* const*> windowIcon() {
    return {kIcon32, kIcon16};
}

} // namespace keb
