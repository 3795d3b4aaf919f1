#include "TestSession.h"

#include "platform/DatabaseFiles.h"

#include <random>

namespace fs = std::filesystem;

TestSession::TestSession()
{
    std::random_device random;
    root_ = fs::temp_directory_path() / ("tarvelo-test-" + std::to_string(random()));
    fs::create_directories(root_ / "source");
    fs::create_directories(projectFolder());
    programFolder_ = (root_ / "program").string();  // suite mode unless a test says otherwise
    const fs::path workingCopy = root_ / "KVX.mdb";
    makeProjectDatabase(workingCopy);
    cnnX_ = Connection::openFile(workingCopy.string(), 30, Connection::Journal::WriteAhead);
    const fs::path presets = root_ / "VORGABE.mdb";
    DatabaseFiles::copy(TARVELO_DATABASE_DIR "/VORGABE.mdb", presets.string());
    cnnX_V_ = Connection::openFile(presets.string());
}

TestSession::~TestSession()
{
    cnnX_.reset();
    cnnX_V_.reset();
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void TestSession::makeProjectDatabase(const fs::path& path)
{
    DatabaseFiles::copy(TARVELO_DATABASE_DIR "/KVX.mdb", path.string());
}
