#pragma once

#include "platform/ReplacingFile.h"

#include <memory>
#include <string>
#include <vector>

// The files a run writes. Each is written under a temporary name in its folder and renamed
// over its path only when the whole run has succeeded, so a failed or killed run leaves no
// truncated file under the final name and never removes a file it did not create. A path
// that is the input, a database (a project's or the suite's, or their logs), a folder, a
// link or a special file is refused before anything is read or written.
class OutputFiles {
public:
    // Paths that are empty are not written.
    OutputFiles(const std::vector<std::string>& paths, const std::string& input);
    // Why the outputs cannot be written, naming the path; empty when they can.
    const std::string& refusal() const { return refusal_; }
    // The file for a path given to the constructor, opened for writing; nullptr for an
    // empty path or when it cannot be opened (then error() says why).
    QIODevice* open(const std::string& path);
    // Renames every file into place; false (with error()) when one could not be.
    bool commit();
    const std::string& error() const { return error_; }

private:
    std::string refusalOf(const std::string& path, const std::string& input) const;

    std::vector<std::pair<std::string, std::unique_ptr<ReplacingFile>>> files_;
    std::string refusal_;
    std::string error_;
};
