#pragma once

#include <string>

// The operating system's login name of the current user, upper case; "UNBEK." when it
// cannot be told. TARVELO_LOGIN_NAME, when set, stands in for it.
std::string loginName();
