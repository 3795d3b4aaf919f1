#include "LoginName.h"

#include <QString>

#include <pwd.h>
#include <unistd.h>

std::string loginName()
{
    // Support and the end-to-end tests play a second user of one machine this way.
    if (const QString stand = qEnvironmentVariable("TARVELO_LOGIN_NAME"); !stand.isEmpty())
        return stand.toUpper().toStdString();
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name).toUpper().toStdString();
    return "UNBEK.";
}
