#pragma once

#include <string>

// File names made from what users type (record and login names).
namespace FileName {

// The text with every character that cannot stand in a file name on the systems our
// users share files with (/ \ : * ? " < > |, control characters), the ";" that ends a
// connection string's part, and a leading dot replaced by "_"; "_" for an empty text. The
// result never leaves its folder.
std::string safe(const std::string& text);

}  // namespace FileName
