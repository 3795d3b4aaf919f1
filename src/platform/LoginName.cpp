#include "LoginName.h"

#include <QString>

#include <pwd.h>
#include <unistd.h>

std::string loginName()
{
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name).toUpper().toStdString();
    return "UNBEK.";
}
