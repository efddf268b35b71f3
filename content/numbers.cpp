#include "content/numbers.h"

#include <cmath>

namespace content {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads [sign] digits [. digits] from text at pos; returns the length read, 0 when no digit.
std::size_t scanNumber(std::string_view text, std::size_t pos, double& value) {
    const std::size_t start = pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    double result = 0.0;
    bool anyDigit = false;
    while (pos < text.size() && isDigit(text[pos])) {
        result = result * 10.0 + (text[pos] - '0');
        anyDigit = true;
        ++pos;
    }
    if (pos < text.size() && text[pos] == '.') {
        double scale = 0.1;
        std::size_t after = pos + 1;
        bool fractionDigit = false;
        while (after < text.size() && isDigit(text[after])) {
            result += (text[after] - '0') * scale;
            scale /= 10.0;
            fractionDigit = true;
            ++after;
        }
        if (anyDigit || fractionDigit) {
            anyDigit = true;
            pos = after;
        }
    }
    if (!anyDigit) {
        return 0;
    }
    value = negative ? -result : result;
    return pos - start;
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    return pos;
}

} // namespace

double leadingNumber(std::string_view text) {
    double value = 0.0;
    return scanNumber(text, skipBlanks(text, 0), value) > 0 ? value : 0.0;
}

std::optional<double> strictNumber(std::string_view text) {
    const std::size_t start = skipBlanks(text, 0);
    double value = 0.0;
    const std::size_t length = scanNumber(text, start, value);
    if (length == 0 || skipBlanks(text, start + length) != text.size()) {
        return std::nullopt;
    }
    return value;
}

long long roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double rest = value - floor;
    auto whole = static_cast<long long>(floor);
    if (rest > 0.5 || (rest == 0.5 && whole % 2 != 0)) {
        ++whole;
    }
    return whole;
}

int leadingWhole(std::string_view text) {
    return static_cast<int>(roundHalfEven(leadingNumber(text)));
}

std::string decimalText(long long value) {
    return std::to_string(value);
}

} // namespace content
