#pragma once

#include <QTemporaryFile>

#include <string>

// A file written under a new temporary name in its folder and renamed over its path by
// commit(): a link or a file someone put at the path is replaced, never written through,
// and a reader never sees half a file. Without commit() the temporary goes and the path
// stays as it was.
class ReplacingFile {
public:
    explicit ReplacingFile(std::string path);
    // False (with error()) when the temporary cannot be made.
    bool open();
    QIODevice* device() { return &temporary_; }
    // False (with error()) when the file could not be written or put in place.
    bool commit();
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

private:
    std::string path_;
    QTemporaryFile temporary_;
    std::string error_;
};
