#pragma once

#include <string>

// The operating system's login name of the current user, upper case; "UNBEK." when it
// cannot be told.
std::string loginName();
