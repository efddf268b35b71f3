#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace content {

// The leading number of a text: blanks skipped, an optional sign, digits and an optional decimal
// part. A text that does not begin with a number reads as 0; nothing is ever an error.
double leadingNumber(std::string_view text);

// The whole text (blanks around it allowed) as a number, or nothing when it is not one.
std::optional<double> strictNumber(std::string_view text);

// Whole numbers made from fractions round half to even: 12.5 gives 12, 37.5 gives 38.
long long roundHalfEven(double value);

// The leading number of a text as a whole number, rounded half to even.
int leadingWhole(std::string_view text);

// A whole number as the text of a list item or a caption: plain decimal digits, a minus sign
// before a negative one.
std::string decimalText(long long value);

} // namespace content
