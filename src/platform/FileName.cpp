#include "FileName.h"

#include <cstring>

std::string FileName::safe(const std::string& text)
{
    std::string name = text;
    for (char& c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7f || std::strchr("/\\:*?\"<>|;", c))
            c = '_';
    }
    if (name.empty())
        return "_";
    if (name.front() == '.')
        name.front() = '_';
    return name;
}
