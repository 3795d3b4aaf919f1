#include "LoginName.h"

#include "FileName.h"

#include <QString>

#include <pwd.h>
#include <unistd.h>

std::string loginName()
{
    // Support and the end-to-end tests play a second user of one machine this way.
    if (const QString stand = qEnvironmentVariable("TARVELO_LOGIN_NAME"); !stand.isEmpty())
        return cleanedLoginName(stand.toStdString());
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name)
        return cleanedLoginName(QString::fromLocal8Bit(entry->pw_name).toStdString());
    return "UNBEK.";
}

std::string cleanedLoginName(const std::string& name)
{
    const std::string upper = QString::fromStdString(name).trimmed().toUpper().toStdString();
    return upper.empty() ? upper : FileName::safe(upper);
}
