#pragma once

#include <vector>

namespace keb {

// The quiz window's icon, 32 x 32 and 16 x 16 in 16 colours, as XPM images.
std::vector<const char* const*> windowIcon();

} // namespace keb
