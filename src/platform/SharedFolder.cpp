#include "SharedFolder.h"

#include <filesystem>

#include <sys/stat.h>

void SharedFolder::adopt(const std::string& path)
{
    struct stat parent = {}, made = {};
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (::stat(folder.empty() ? "." : folder.c_str(), &parent) != 0 || !(parent.st_mode & S_IWGRP))
        return;
    if (::lstat(path.c_str(), &made) != 0 || S_ISLNK(made.st_mode))
        return;
    const mode_t wanted = made.st_mode | S_IRGRP | S_IWGRP | (S_ISDIR(made.st_mode) ? S_IXGRP : 0);
    if (wanted != made.st_mode)
        ::chmod(path.c_str(), wanted & 07777);
}
