#pragma once

namespace keb {

// The score of a test, in per cent: 100 × correct / pairs, rounded half to even. Content with an
// empty phrase list has no pairs; its score is 0.
long long score(int correct, double pairs);

} // namespace keb
