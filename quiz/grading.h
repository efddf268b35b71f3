#pragma once

#include <string>

namespace keb {

// An answer is correct when its left key and its right key are the same text, exactly: its two
// phrases stand at the same position of their content lists.
bool isCorrect(const std::string& leftKey, const std::string& rightKey);

// The score of a test, in per cent: 100 × correct / pairs, rounded half to even. Content with an
// empty phrase list has no pairs; its score is 0.
long long percentCorrect(int correct, double pairs);

} // namespace keb
