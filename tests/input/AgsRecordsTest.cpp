#include "input/AgsRecords.h"
#include "TestSession.h"
#include "laws/LawFit.h"
#include "platform/Connection.h"
#include "platform/Locale.h"
#include "platform/Recordset.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A file of shear-box sets: SHBG rows (LOCA_ID, SPEC_REF, SPEC_DESC) and SHBT rows (LOCA_ID,
// SPEC_REF, SHBT_NORM, SHBT_PEAK, SHBT_RES), quoted as they are given.
std::string file(const std::vector<std::string>& sets, const std::vector<std::string>& stages)
{
    std::string text = "\"GROUP\",\"SHBG\"\r\n\"HEADING\",\"LOCA_ID\",\"SPEC_REF\",\"SPEC_DESC\"\r\n"
                       "\"UNIT\",\"\",\"\",\"\"\r\n\"TYPE\",\"ID\",\"X\",\"X\"\r\n";
    for (const std::string& set : sets)
        text += "\"DATA\"," + set + "\r\n";
    text += "\r\n\"GROUP\",\"SHBT\"\r\n\"HEADING\",\"LOCA_ID\",\"SPEC_REF\",\"SHBT_NORM\",\"SHBT_PEAK\",\"SHBT_RES\"\r\n"
            "\"UNIT\",\"\",\"\",\"kPa\",\"kPa\",\"kPa\"\r\n\"TYPE\",\"ID\",\"X\",\"U\",\"U\",\"U\"\r\n";
    for (const std::string& stage : stages)
        text += "\"DATA\"," + stage + "\r\n";
    return text;
}

// A geomembrane on sand (K) and the sand itself (B), at the same four stresses.
const std::vector<std::string> twoSets = {R"("TP1","K","HDPE on sand")", R"("TP1","B","Sand")"};
const std::vector<std::string> fourStages = {
    R"("TP1","K","25","12.1","9.8")",   R"("TP1","K","50","23.2","18.9")",  R"("TP1","K","100","44.6","36.2")",
    R"("TP1","K","200","85.4","70.1")", R"("TP1","B","25","18.6","15.9")",  R"("TP1","B","50","36.1","31.2")",
    R"("TP1","B","100","70.3","61.4")", R"("TP1","B","200","137.2","121.0")"};

AgsRecords::Record made(const AgsShearSets& sets, bool soil, float sigmaB = 100)
{
    const auto record = AgsRecords::make(sets.sets()[0], soil ? &sets.sets()[1] : nullptr, sigmaB, true);
    if (const auto* problem = std::get_if<std::string>(&record))
        ADD_FAILURE() << *problem;
    return std::get<AgsRecords::Record>(record);
}

TEST(AgsRecordsTest, ARecordOfAContactAndASoilSetWithItsLawsFitted)
{
    const AgsShearSets sets(AgsFile::parse(file(twoSets, fourStages)));
    const AgsRecords::Record record = made(sets, true, 60);
    EXPECT_EQ(record.values.KEN, "TP1 K");
    EXPECT_EQ(record.KOM, "HDPE on sand");
    ASSERT_EQ(record.points.size(), 4u);  // the soil's stages joined to the contact's at the same σ'
    EXPECT_EQ(record.points[0], (ShearTestPoint{25, {12.1, 9.8, 18.6, 15.9}}));
    const LawFit::Fit peak = std::get<LawFit::Fit>(LawFit::fit(TestPoints::of(record.points, TestPoints::Contact), 60));
    EXPECT_FLOAT_EQ(record.values.A, static_cast<float>(peak.a));
    EXPECT_FLOAT_EQ(record.values.C, static_cast<float>(peak.c));
    EXPECT_GT(record.values.ARB, 30);
    EXPECT_EQ(record.values.SIB, 60);
    EXPECT_EQ(record.values.SIA, 25);
    EXPECT_EQ(record.values.SIMAX, 200);
    // Without a soil set the record has no soil values.
    EXPECT_EQ(made(sets, false).values.AB, 0);
}

TEST(AgsRecordsTest, SetsThatGiveNoRecordSayWhy)
{
    std::vector<std::string> noResidual, manyStresses;
    for (const char* stress : {"25", "50", "100", "200"})
        noResidual.push_back(std::string(R"("TP1","K",")") + stress + R"(","20","")");
    for (int i = 1; i <= 21; ++i)
        manyStresses.push_back(R"("TP1","K",")" + std::to_string(10 * i) + R"(",")" + std::to_string(5 * i) + R"(","")");
    std::vector<std::string> marker;  // the identification the program keeps for itself
    for (const char* stress : {"25", "50"})
        marker.push_back(std::string(R"("M","",")") + stress + R"(","20","10")");
    struct Case {
        std::string set;
        std::vector<std::string> stages;
        const char* says;
    };
    const Case cases[] = {
        {twoSets[0], noResidual, "line 5: test set TP1/K: τr: "},
        {twoSets[0], {fourStages[0]}, "line 5: test set TP1/K: 1 stage(s) in SHBT"},
        {twoSets[0], manyStresses, "more than 20 normal stresses"},
        {R"("M","","x")", marker, "test set M: "},
    };
    for (const Case& c : cases) {
        const AgsShearSets sets(AgsFile::parse(file({c.set}, c.stages)));
        const auto record = AgsRecords::make(sets.sets()[0], nullptr, 100, true);
        ASSERT_TRUE(std::holds_alternative<std::string>(record)) << c.says;
        EXPECT_NE(std::get<std::string>(record).find(c.says), std::string::npos) << std::get<std::string>(record);
    }
}

// The laws and range of a file this program wrote are taken only where a record can hold them.
TEST(AgsRecordsTest, WrittenLawsARecordCannotHoldAreRefused)
{
    AgsShearSets::Set set;
    set.key = set.locaId = "R1";
    set.line = 7;
    for (const AgsRecords::Heading& h : AgsRecords::lawHeadings)
        set.fields[h.heading] = "1";
    set.fields["SHBG_XSMX"] = "100";
    set.fields["SHBG_XS2"] = "50";
    ASSERT_TRUE(std::holds_alternative<AgsRecords::Record>(AgsRecords::make(set, nullptr, 100, true)));
    const std::pair<const char*, const char*> refused[] = {
        {"SHBG_XSB", "1e39"}, {"SHBG_XA", "-1e39"}, {"SHBG_XN", "70000"}, {"SHBG_XN", "2.5"}, {"SHBG_XN", "0"}};
    for (const auto& [heading, value] : refused) {
        AgsShearSets::Set bad = set;
        bad.fields[heading] = value;
        const auto record = AgsRecords::make(bad, nullptr, 100, true);
        ASSERT_TRUE(std::holds_alternative<std::string>(record)) << heading << " " << value;
        EXPECT_NE(std::get<std::string>(record).find(std::string("line 7: test set R1: ") + heading),
                  std::string::npos)
            << std::get<std::string>(record);
    }
}

// Out and in again: the laws, the range and the test results of every record as they were.
TEST(AgsRecordsTest, ExportedRecordsComeBackAsTheyWere)
{
    Locale::setCurrent({Locale::German, ","});
    TestSession from, to;
    auto db = from.cnnX();
    db->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES (1,'Folie \"A\"','Deponie, Nord',1,3),"
                "(2,'Beton','ohne Versuche',0,1),(3,'M','',0,3)");
    db->execute("INSERT INTO [E2] VALUES (1,60,22.5,-2.1,17.3,-1.5,35,-4,32,-3,10,200,10,60,100)");
    db->execute("INSERT INTO [E2] VALUES (2,100,30.123457,-3.45,25.04,-1.65,0,0,0,0,7.5,400,20,100,80)");
    db->execute("INSERT INTO [E2] VALUES (3,60,22.5,-2,17,-1.5,35,-4,32,-3,10,200,10,60,100)");
    const std::vector<ShearTestPoint> tests = {{25, {15.812345678901234, 12.1, 21.5, {}}},
                                               {50, {29.6, {}, 40.3, 35.2}},
                                               {100, {58.1, 46.4, {}, {}}}};
    TestPoints::write(db, 1, tests);

    std::vector<std::string> missing;
    const std::string text = AgsRecords::exportFile(db, "TE0000.00", {}, missing).write();
    EXPECT_TRUE(missing.empty());
    // Every unit the file uses is declared in its UNIT group, as the format asks.
    const AgsFile parsed = AgsFile::parse(text);
    std::set<std::string> declared;
    for (const auto& row : parsed.group("UNIT")->rows)
        declared.insert(row[0]);
    for (const AgsGroup& group : parsed.groups) {
        for (const std::string& unit : group.units)
            EXPECT_TRUE(unit.empty() || declared.count(unit)) << group.name << ": " << unit;
    }
    const AgsShearSets sets(parsed);
    ASSERT_EQ(sets.sets().size(), 2u);  // not the marker record "M"
    for (const AgsShearSets::Set& set : sets.sets()) {
        const auto record = AgsRecords::make(set, nullptr, 100, true);
        ASSERT_TRUE(std::holds_alternative<AgsRecords::Record>(record)) << std::get<std::string>(record);
        EXPECT_GT(AgsRecords::store(to.cnnX(), std::get<AgsRecords::Record>(record), Locale::German), 0);
    }
    const auto rows = [](const std::shared_ptr<Connection>& c, const std::string& sql) {
        std::vector<std::string> all;
        for (Recordset r(c, sql); !r.isEOF(); r.moveNext()) {
            std::string row;
            for (int i = 0; i < r.fieldCount(); ++i)
                row += r.field(i).text() + "|";
            all.push_back(row);
        }
        return all;
    };
    const std::string e2 = "SELECT [KEN],[SIB],[A],[C],[AR],[CR],[AB],[CB],[ARB],[CRB],[SIA],[SIMAX],[SI1],[SI2],[N] "
                           "FROM [E1] JOIN [E2] USING ([ID]) WHERE [KEN]<>'M' ORDER BY [KEN]";
    EXPECT_EQ(rows(to.cnnX(), e2), rows(db, e2));
    EXPECT_EQ(TestPoints::read(to.cnnX(), 2), tests);  // "Beton" comes first, "Folie" second
    EXPECT_EQ(Recordset(to.cnnX(), "SELECT [KOM] FROM [E1] WHERE [KEN]='Beton'").field(0).text(),
              "ohne Versuche");
    // A record of the same identification is never overwritten.
    const auto again = AgsRecords::make(sets.sets()[0], nullptr, 100, true);
    EXPECT_EQ(AgsRecords::store(to.cnnX(), std::get<AgsRecords::Record>(again), Locale::German), 0);
}

}  // namespace
