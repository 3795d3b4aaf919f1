#pragma once

#include "Variant.h"

#include <string>

// JSON values as the tools write them, whatever the locale: text always valid UTF-8 and
// escaped, numbers in their shortest exact form.
namespace JsonText {

// "text" with quotes and backslashes escaped and control characters as \uXXXX; a byte that
// is no character becomes U+FFFD, never a broken file.
std::string quoted(const std::string& text);

// A number, or null for an empty cell, text or a value JSON cannot hold (NaN, infinity).
std::string number(const Variant& value);

// Text as valid UTF-8.
std::string validUtf8(const std::string& text);

}  // namespace JsonText
