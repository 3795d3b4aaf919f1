#include "SettingsStore.h"

#include <QFileInfo>
#include <QSettings>

#include <filesystem>

namespace {

QString path(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section + "/" + key);
}

}  // namespace

QtSettingsStore::QtSettingsStore(std::string suiteFolder) : sharedFile_(sharedFile(suiteFolder)) {}

std::string QtSettingsStore::sharedFile(const std::string& suiteFolder)
{
    const std::filesystem::path folder = std::filesystem::path(suiteFolder).lexically_normal();
    const auto first = folder.begin();
    if (folder.is_absolute() && std::distance(first, folder.end()) == 3 && *std::next(first) == "opt")
        return (std::filesystem::path("/etc/opt") / folder.filename() / "KALMORA.conf").string();
    return (folder / "KALMORA.conf").string();
}

std::string QtSettingsStore::value(const std::string& application, const std::string& section,
                                   const std::string& key) const
{
    const QSettings own(QString::fromStdString(application), QString::fromStdString(application));
    if (own.contains(path(section, key)))
        return own.value(path(section, key)).toString().toStdString();
    const QSettings shared(QString::fromStdString(sharedFile_), QSettings::IniFormat);
    return shared.value(QString::fromStdString(application) + "/" + path(section, key)).toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& application, const std::string& section, const std::string& key,
                               const std::string& value)
{
    QSettings settings(QString::fromStdString(application), QString::fromStdString(application));
    settings.setValue(path(section, key), QString::fromStdString(value));
}

bool QtSettingsStore::setSharedValue(const std::string& application, const std::string& section,
                                     const std::string& key, const std::string& value)
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(sharedFile_).parent_path(), ignored);
    QSettings shared(QString::fromStdString(sharedFile_), QSettings::IniFormat);
    shared.setValue(QString::fromStdString(application) + "/" + path(section, key), QString::fromStdString(value));
    shared.sync();
    return shared.status() == QSettings::NoError;
}
