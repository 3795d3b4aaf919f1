// The layers as the README's table has them: each folder of src includes only itself and the
// layers below it, and the laws include neither Qt nor the database. A file that reaches
// upwards fails here with its path and the include.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

TEST(LayerTest, EachFolderIncludesOnlyTheLayersBelowIt)
{
    const std::set<std::string> core = {"platform", "laws", "data", "graphics", "furniture", "input", "page"};
    std::set<std::string> coreAndShell = core;
    coreAndShell.insert("shell");
    const std::map<std::string, std::set<std::string>> below = {
        {"platform", {}},
        {"laws", {}},
        {"data", {"laws", "platform"}},
        {"graphics", {"data", "laws", "platform"}},
        {"furniture", {"graphics", "data", "laws", "platform"}},
        {"input", {"data", "laws", "platform"}},
        {"page", {"data", "furniture", "graphics", "input", "laws", "platform"}},
        {"shell", core},
        {"app", coreAndShell},
    };
    const std::regex ours("#include \"([a-z]+)/");
    const std::regex foreign("#include <(Q[A-Za-z]*|sqlite3\\.h)>");
    int files = 0;
    for (const auto& [layer, allowed] : below) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(TARVELO_SOURCE_DIR) / "src" / layer)) {
            if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h")
                continue;
            ++files;
            std::ifstream file(entry.path());
            for (std::string line; std::getline(file, line);) {
                std::smatch found;
                if (std::regex_search(line, found, ours)) {
                    EXPECT_TRUE(found[1] == layer || allowed.count(found[1])) << entry.path() << ": " << line;
                }
                if (layer == "laws") {
                    EXPECT_FALSE(std::regex_search(line, foreign)) << entry.path() << ": " << line;
                }
            }
        }
    }
    EXPECT_GT(files, 100);
}

}  // namespace
