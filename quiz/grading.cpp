#include "quiz/score.h"

#include "content/numbers.h"

namespace keb {

long long score(int correct, double pairs) {
    return pairs > 0 ? content::roundHalfEven(100.0 * correct / pairs) : 0;
}

} // namespace keb
