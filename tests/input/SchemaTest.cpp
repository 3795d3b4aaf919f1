#include "TestSession.h"
#include "platform/Connection.h"
#include "platform/DatabaseFiles.h"
#include "platform/Recordset.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::vector<std::string> columns(const std::shared_ptr<Connection>& db, const std::string& table)
{
    Recordset rows(db, "SELECT * FROM [" + table + "]");
    std::vector<std::string> names;
    for (int i = 0; i < rows.fieldCount(); ++i)
        names.push_back(rows.fieldName(i));
    return names;
}

std::vector<std::string> tables(const std::shared_ptr<Connection>& db)
{
    Recordset rows(db, "SELECT [name] FROM [sqlite_master] WHERE [type]='table' ORDER BY [name]");
    std::vector<std::string> names;
    for (; !rows.isEOF(); rows.moveNext())
        names.push_back(rows.field(0).toText());
    return names;
}

using Columns = std::vector<std::string>;

// Each test reads a copy, so the built databases stay untouched.
std::shared_ptr<Connection> copyOf(const TestSession& session, const std::string& name)
{
    const std::string path = (session.root() / name).string();
    DatabaseFiles::copy(std::string(TARVELO_DATABASE_DIR "/") + name, path);
    return Connection::openFile(path);
}

TEST(SchemaTest, TheProjectTemplateHoldsTheFourTablesWithTheirColumns)
{
    TestSession session;
    auto db = copyOf(session, "KVX.mdb");
    EXPECT_EQ(tables(db), (Columns{"A1", "E1", "E2", "G0"}));
    EXPECT_EQ(columns(db, "E1"), (Columns{"ID", "KEN", "KOM", "AKT", "SPR"}));
    EXPECT_EQ(columns(db, "E2"), (Columns{"ID", "SIB", "A", "C", "AR", "CR", "AB", "CB", "ARB", "CRB", "SIA", "SIMAX",
                                          "SI1", "SI2", "N"}));
    EXPECT_EQ(columns(db, "A1"), (Columns{"ID", "BONEU"}));
    EXPECT_EQ(columns(db, "G0"), (Columns{"ID", "IDOBJEKT", "OX", "OY", "RL", "RR", "RO", "RU", "XMIN", "XMAX", "YMIN",
                                          "YMAX", "MX", "MY", "MYMX", "MSP"}));
}

TEST(SchemaTest, ColumnTypesCarryTheTransferTypes)
{
    TestSession session;
    auto db = session.cnnX();
    db->execute("INSERT INTO [E1] VALUES (1,'K','',1,3)");
    db->execute("INSERT INTO [E2] ([ID],[SIB],[N]) VALUES (1,60,100)");
    db->execute("INSERT INTO [G0] ([ID],[IDOBJEKT],[OX],[RL]) VALUES (1,11,1,20)");
    const std::map<std::string, Variant::Type> expected = {
        {"E1.ID", Variant::Type::Long},          {"E1.AKT", Variant::Type::Boolean}, {"E1.SPR", Variant::Type::Integer},
        {"E1.KEN", Variant::Type::Text},         {"E2.SIB", Variant::Type::Single},  {"E2.N", Variant::Type::Integer},
        {"G0.IDOBJEKT", Variant::Type::Integer}, {"G0.OX", Variant::Type::Integer},  {"G0.RL", Variant::Type::Single}};
    for (const auto& [name, type] : expected) {
        const auto dot = name.find('.');
        Recordset rows(db, "SELECT [" + name.substr(dot + 1) + "] FROM [" + name.substr(0, dot) + "]");
        EXPECT_EQ(rows.field(0).type(), type) << name;
    }
}

TEST(SchemaTest, TheSuiteDatabasesExist)
{
    TestSession session;
    auto archive = copyOf(session, "ARCHIV.mdb");
    EXPECT_EQ(tables(archive), (Columns{"ADMIN"}));
    EXPECT_EQ(columns(archive, "ADMIN"), (Columns{"BENUTZER", "PROG", "PROJEKTSPFAD", "PROJEKT", "BEARBEITER"}));
    auto presets = copyOf(session, "VORGABE.mdb");
    EXPECT_TRUE(tables(presets).empty());
}

}  // namespace
