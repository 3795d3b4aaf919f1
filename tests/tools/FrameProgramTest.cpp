#include "FrameProgram.h"
#include "MemorySettings.h"
#include "platform/Connection.h"
#include "platform/DatabaseFiles.h"
#include "platform/Recordset.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

TEST(FrameProgramTest, MakesTheSuiteProjectsAndTheUsersAdminRow)
{
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("tarvelo-frame-" + std::to_string(random()));
    fs::create_directories(root / "KVX");
    for (const char* file : {"KVX.mdb", "ARCHIV.mdb", "VORGABE.mdb"})
        DatabaseFiles::copy(std::string(TARVELO_DATABASE_DIR "/") + file, (root / "KVX" / file).string());
    MemorySettings settings;
    FrameProgram frame(root.string(), settings, "SOMMER");
    frame.init();
    EXPECT_EQ(settings.value("KALMORA", "Extras", "Datenbankpfad"), (root / "DB").string());
    EXPECT_TRUE(fs::exists(root / "DB" / "ARCHIV.mdb"));
    EXPECT_TRUE(frame.newProject("Hafen"));
    EXPECT_FALSE(frame.newProject("Hafen"));
    for (const std::string& name : {std::string("../weg"), std::string("a/b"), std::string("a\\b"), std::string(".."),
                                    std::string(), std::string("a\nb"), std::string("a\x01"), std::string("   "),
                                    std::string(" Hafen"), std::string("Ha*"), std::string("a;b"), std::string(".x"),
                                    std::string(256, 'a')})
        EXPECT_THROW(frame.newProject(name), VbError) << name;
    EXPECT_TRUE(frame.newProject(std::string(255, 'a')));
    fs::remove_all(root / "PROJEKTE" / std::string(255, 'a'));
    EXPECT_EQ(frame.projects(), std::vector<std::string>{"Hafen"});
    // Only an existing project of the projects folder can be chosen: never the template.
    EXPECT_THROW(frame.choose("../KVX"), VbError);
    EXPECT_THROW(frame.choose("NOPE"), VbError);
    EXPECT_EQ(frame.currentProject(), "");  // before the user's first choice
    frame.choose("Hafen", "Dipl.-Ing. Sommer");
    EXPECT_EQ(frame.currentProject(), "Hafen");
    frame.choose("Hafen");  // the row is updated, not doubled, and the chosen editor stays
    Recordset admin(Connection::openFile((root / "DB" / "ARCHIV.mdb").string()), "SELECT * FROM [ADMIN]");
    ASSERT_EQ(admin.recordCount(), 1);
    EXPECT_EQ(admin.field("PROG").text(), "KALMORA");
    EXPECT_EQ(admin.field("PROJEKT").text(), "Hafen");
    EXPECT_EQ(admin.field("BEARBEITER").text(), "Dipl.-Ing. Sommer");
    EXPECT_EQ(admin.field("PROJEKTSPFAD").text(), (root / "PROJEKTE").string());
    admin.close();
    // A module that is not there is not started, and the start says so.
    EXPECT_TRUE(frame.newProject("Deich"));
    EXPECT_FALSE(frame.start("Deich"));
    EXPECT_EQ(frame.currentProject(), "Deich");
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

}  // namespace
