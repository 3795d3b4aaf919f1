#include "OutputFiles.h"

#include <QFile>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A database or one of its logs, by name or by content: never an output.
bool isDatabase(const fs::path& path)
{
    std::string name = path.filename().string();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const char* ending : {".mdb", "-journal", "-wal", "-shm"}) {
        const std::string end = ending;
        if (name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0)
            return true;
    }
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3", 16);
}

}  // namespace

OutputFiles::OutputFiles(const std::vector<std::string>& paths, const std::string& input)
{
    for (const std::string& path : paths) {
        if (path.empty())
            continue;
        refusal_ = refusalOf(path, input);
        if (!refusal_.empty())
            return;
        files_.emplace_back(path, nullptr);
    }
}

std::string OutputFiles::refusalOf(const std::string& path, const std::string& input) const
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    const std::string named = "cannot write " + path + ": ";
    if (fs::exists(status) && fs::is_symlink(status))
        return named + "it is a symbolic link; name the file itself";
    if (fs::exists(status) && !fs::is_regular_file(status))
        return named + "it is not a plain file";
    if (fs::exists(status) && fs::equivalent(path, input, error))
        return named + "it is the project database being read";
    if (isDatabase(path))
        return named + "it is a database or a database's log, never an output";
    for (const auto& [other, file] : files_) {
        if (fs::absolute(other).lexically_normal() == fs::absolute(path).lexically_normal())
            return named + "it is named for two outputs";
    }
    return {};
}

QIODevice* OutputFiles::open(const std::string& path)
{
    for (auto& [name, file] : files_) {
        if (name != path || path.empty())
            continue;
        file = std::make_unique<ReplacingFile>(path);
        if (!file->open()) {
            error_ = file->error();
            return nullptr;
        }
        return file->device();
    }
    return nullptr;
}

bool OutputFiles::commit()
{
    for (auto& [name, file] : files_) {
        if (file && !file->commit()) {
            error_ = file->error();
            return false;
        }
    }
    return true;
}
