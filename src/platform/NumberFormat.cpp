#include "NumberFormat.h"

#include "Locale.h"
#include "VbError.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// The digits of |value| rounded half away from zero to `decimals` places, taken from its
// 15-digit decimal form so that 1.005 rounds like the written number, not its binary twin.
std::string roundedDigits(double value, int decimals, int& wholeDigits)
{
    char buffer[64] = {};
    std::to_chars(buffer, buffer + sizeof buffer - 1, std::fabs(value), std::chars_format::scientific, 14);
    std::string digits;
    digits += buffer[0];
    digits += std::string(buffer + 2, 14);
    const int exponent = std::atoi(buffer + 17);
    // digits d0.d1d2... x 10^exponent; keep exponent + 1 + decimals of them.
    const int keep = exponent + 1 + decimals;
    if (keep < 0) {
        wholeDigits = 0;
        return std::string(decimals, '0');
    }
    if (keep < static_cast<int>(digits.size())) {
        const bool up = digits[keep] >= '5';
        digits.resize(keep);
        if (up) {
            int i = keep - 1;
            for (; i >= 0 && digits[i] == '9'; --i)
                digits[i] = '0';
            if (i >= 0)
                ++digits[i];
            else {
                digits.insert(digits.begin(), '1');
                ++wholeDigits;
            }
        }
    } else {
        digits += std::string(keep - digits.size(), '0');
    }
    wholeDigits += exponent + 1;
    // Leading positions before the first digit for numbers below one.
    if (wholeDigits < 0) {
        digits.insert(0, std::string(-wholeDigits, '0'));
        wholeDigits = 0;
    }
    return digits;
}

}  // namespace

std::string vb::format(double value, const std::string& pattern)
{
    if (!std::isfinite(value))
        throw VbError::of(VbError::Overflow);
    const Locale& locale = Locale::current();
    const auto point = pattern.find('.');
    const std::string wholePattern = pattern.substr(0, point);
    const std::string fractionPattern = point == std::string::npos ? "" : pattern.substr(point + 1);

    int decimals = 0;
    int requiredDecimals = 0;
    for (char c : fractionPattern) {
        if (c == '0' || c == '#') {
            ++decimals;
            if (c == '0')
                requiredDecimals = decimals;
        }
    }
    int requiredWhole = 0;
    bool grouping = false;
    for (char c : wholePattern) {
        if (c == '0')
            ++requiredWhole;
        grouping = grouping || c == ',';
    }

    int wholeDigits = 0;
    const std::string digits = roundedDigits(value, decimals, wholeDigits);
    std::string whole = digits.substr(0, wholeDigits);
    std::string fraction = digits.substr(wholeDigits);
    while (!whole.empty() && whole.front() == '0')
        whole.erase(0, 1);
    if (static_cast<int>(whole.size()) < requiredWhole)
        whole.insert(0, std::string(requiredWhole - whole.size(), '0'));
    while (static_cast<int>(fraction.size()) > requiredDecimals && fraction.back() == '0')
        fraction.pop_back();
    if (grouping) {
        const std::string separator = locale.decimalSeparator() == ',' ? "." : ",";
        for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
            whole.insert(at, separator);
    }

    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string number = (value < 0 && !zero ? "-" : "") + whole;
    if (point != std::string::npos)
        number += locale.DEZIMALPUNKT + fraction;

    // Literal characters of the pattern stand where they stand around the number.
    std::string prefix, suffix;
    const auto first = pattern.find_first_of("#0.,");
    const auto last = pattern.find_last_of("#0.,");
    if (first != std::string::npos) {
        prefix = pattern.substr(0, first);
        suffix = pattern.substr(last + 1);
    }
    return prefix + number + suffix;
}
