#pragma once

#include <string>

// Folders a group of engineers shares (a projects folder with mode 2775, say). What a
// program makes in one stays the group's, whatever the maker's umask: otherwise the next
// engineer could not lock, save or replace it.
namespace SharedFolder {

// Makes the file or folder at `path` writable by its group when its parent folder is; a
// link, or anything in a folder the group may not write, is left as it is.
void adopt(const std::string& path);

}  // namespace SharedFolder
