#pragma once

#include <string>

// The operating system's login name of the current user, as cleanedLoginName makes it;
// "UNBEK." when it cannot be told. TARVELO_LOGIN_NAME, when set, stands in for it.
std::string loginName();

// A login name as the suite uses it, for its folder of working copies, its locks and its
// row of the administration table: upper case, without blanks around it, and with every
// character that could lead out of a folder or cut a connection string replaced
// (FileName::safe). Empty when nothing is left: such a name is refused.
std::string cleanedLoginName(const std::string& name);
