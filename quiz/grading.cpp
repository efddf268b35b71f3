#include "quiz/grading.h"

#include "content/numbers.h"

namespace keb {

bool isCorrect(const std::string& leftKey, const std::string& rightKey) {
    return leftKey == rightKey;
}

long long percentCorrect(int correct, double pairs) {
    return pairs > 0 ? content::roundHalfEven(100.0 * correct / pairs) : 0;
}

} // namespace keb
