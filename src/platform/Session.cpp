#include "Session.h"

#include <algorithm>
#include <cctype>

bool Session::runsStandAlone(const std::string& programFolder)
{
    std::string folder = programFolder;
    std::transform(folder.begin(), folder.end(), folder.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return folder.find("SOURCE") != std::string::npos;
}
