#include "SettingsStore.h"

#include <QSettings>

namespace {

QString path(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section + "/" + key);
}

}  // namespace

std::string QtSettingsStore::value(const std::string& application, const std::string& section,
                                   const std::string& key) const
{
    const QSettings settings(QString::fromStdString(application), QString::fromStdString(application));
    return settings.value(path(section, key)).toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& application, const std::string& section, const std::string& key,
                               const std::string& value)
{
    QSettings settings(QString::fromStdString(application), QString::fromStdString(application));
    settings.setValue(path(section, key), QString::fromStdString(value));
}
