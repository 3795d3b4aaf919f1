#pragma once

#include <string>

namespace vb {

// Formats a number with a pattern of "#" (optional digit), "0" (required digit), "."
// (decimal separator) and "," (digit grouping), as the platform's number formatting
// does: rounded half away from zero on the decimal digits, the current locale's
// separators, other characters copied as they stand. "#0.00" writes 2.5 as "2,50" in a
// German session; "####0" writes 0.4 as "0".
std::string format(double value, const std::string& pattern);

}  // namespace vb
