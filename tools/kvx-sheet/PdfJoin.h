#pragma once

#include <string>
#include <vector>

class QIODevice;

// One PDF of the pages of several: each file's pages after those of the files before it,
// with the document properties (title, producer) of the first.
namespace PdfJoin {

// False, with `error` set, when a file could not be read or the result not written.
bool join(const std::vector<std::string>& files, QIODevice& target, std::string& error);

}  // namespace PdfJoin
