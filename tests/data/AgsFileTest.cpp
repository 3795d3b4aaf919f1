#include "data/AgsFile.h"
#include "data/AgsShearSets.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <fstream>
#include <locale>

namespace {

using namespace std::string_literals;

std::string joined(const std::vector<std::string>& lines, const char* end = "\n")
{
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

// Three shear-box sets on one sample: A with a <CONT> line, B without residuals, and one
// without SPEC_REF. With a byte order mark and CRLF line ends.
const std::vector<std::string> handWritten = {
    "\xEF\xBB\xBF\"GROUP\",\"PROJ\"",
    R"("HEADING","PROJ_ID","PROJ_NAME")",
    R"("UNIT","","")",
    R"("TYPE","ID","X")",
    R"("DATA","P1","Böschung Nord")",
    "",
    R"("GROUP","TRAN")",
    R"("HEADING","TRAN_ISNO","TRAN_AGS")",
    R"("UNIT","","")",
    R"("TYPE","X","X")",
    R"("DATA","1","4.1")",
    "",
    R"("GROUP","UNIT")",
    R"("HEADING","UNIT_UNIT","UNIT_DESC")",
    R"("UNIT","","")",
    R"("TYPE","X","X")",
    R"("DATA","kPa","kilopascal")",
    R"("DATA","m","metre")",
    "",
    R"("GROUP","TYPE")",
    R"("HEADING","TYPE_TYPE","TYPE_DESC")",
    R"("UNIT","","")",
    R"("TYPE","X","X")",
    R"("DATA","ID","Unique identifier")",
    R"("DATA","1DP","Value; 1 decimal place")",
    "",
    R"("GROUP","LOCA")",
    R"("HEADING","LOCA_ID","LOCA_FDEP")",
    R"("UNIT","","m")",
    R"("TYPE","ID","2DP")",
    R"("DATA","BH1","12.30")",
    "",
    R"("GROUP","SAMP")",
    R"("HEADING","LOCA_ID","SAMP_TOP","SAMP_REF","SAMP_TYPE")",
    R"("UNIT","","m","","")",
    R"("TYPE","ID","2DP","X","PA")",
    R"("DATA","BH1","1.50","U1","U")",
    "",
    R"("GROUP","SHBG")",
    R"("HEADING","LOCA_ID","SAMP_TOP","SAMP_REF","SAMP_TYPE","SPEC_REF","SPEC_DESC")",
    R"("UNIT","","m","","","","")",
    R"("TYPE","ID","2DP","X","PA","X","X")",
    R"("DATA","BH1","1.50","U1","U","A","Firm ""brown"" CLAY, ")",
    R"("<CONT>","","","","","","on geotextile")",
    R"("DATA","BH1","1.50","U1","U","B","Firm brown CLAY")",
    R"("DATA","BH1","1.50","U1","U","","Sand on sand")",
    "",
    R"("GROUP","SHBT")",
    R"("HEADING","LOCA_ID","SAMP_TOP","SAMP_REF","SAMP_TYPE","SPEC_REF","SHBT_NORM","SHBT_PEAK","SHBT_RES")",
    R"("UNIT","","m","","","","kPa","kPa","kPa")",
    R"("TYPE","ID","2DP","X","PA","X","0DP","1DP","1DP")",
    R"("DATA","BH1","1.50","U1","U","A","50","30.2","24.1")",
    R"("DATA","BH1","1.50","U1","U","A","100","58.0","47.5")",
    R"("DATA","BH1","1.50","U1","U","B","50","28.4","")",
    R"("DATA","BH1","1.50","U1","U","B","100","55.1","")",
    R"("DATA","BH1","1.50","U1","U","B","200","104.9","")",
    R"("DATA","BH1","1.50","U1","U","","25","17.5","15.0")",
    R"("DATA","BH1","1.50","U1","U","","50","34.6","29.8")",
};

TEST(AgsFileTest, AHandWrittenFileIsReadWhole)
{
    const AgsFile file = AgsFile::parse(joined(handWritten, "\r\n"));
    std::vector<std::string> names;
    for (const AgsGroup& group : file.groups)
        names.push_back(group.name);
    EXPECT_EQ(names, (std::vector<std::string>{"PROJ", "TRAN", "UNIT", "TYPE", "LOCA", "SAMP", "SHBG", "SHBT"}));
    EXPECT_EQ(file.group("LOCA")->rows[0][file.group("LOCA")->column("LOCA_FDEP")], "12.30");
    EXPECT_EQ(file.group("LOCA")->column("LOCA_REM"), -1);
    const AgsGroup& shbg = *file.group("SHBG");
    EXPECT_EQ(shbg.rows[0][5], "Firm \"brown\" CLAY, on geotextile");
    EXPECT_EQ(shbg.rowLines, (std::vector<int>{43, 45, 46}));
    EXPECT_EQ(shbg.unitLine, 41);
    // LF line ends read the same.
    EXPECT_EQ(AgsFile::parse(joined(handWritten)).groups, file.groups);

    const AgsShearSets shear(file);
    std::vector<std::string> keys;
    for (const AgsShearSets::Set& set : shear.sets())
        keys.push_back(set.key);
    EXPECT_EQ(keys, (std::vector<std::string>{"BH1/1.50/U1/U/A", "BH1/1.50/U1/U/B", "BH1/1.50/U1/U"}));
    const AgsShearSets::Set& a = *shear.find("BH1/1.50/U1/U/A");
    EXPECT_EQ(a.description, "BH1, sample U1, specimen A: Firm \"brown\" CLAY, on geotextile");
    EXPECT_EQ(a.line, 43);
    ASSERT_EQ(a.stages.size(), 2u);
    EXPECT_EQ(a.stages[1].normal, 100);
    EXPECT_EQ(a.stages[1].peak, 58.0);
    EXPECT_EQ(a.stages[1].residual, 47.5);
    EXPECT_EQ(a.stages[1].line, 53);
    const AgsShearSets::Set& b = shear.sets()[1];
    ASSERT_EQ(b.stages.size(), 3u);
    EXPECT_EQ(b.stages[2].peak, 104.9);
    EXPECT_FALSE(b.stages[0].residual || b.stages[1].residual || b.stages[2].residual);
    EXPECT_EQ(shear.find("BH1/1.50/U1"), nullptr);
}

TEST(AgsFileTest, ABrokenRuleIsRefusedWithItsLine)
{
    const std::vector<std::string> head = {R"("GROUP","LOCA")", R"("HEADING","LOCA_ID","LOCA_FDEP")",
                                           R"("UNIT","","m")", R"("TYPE","ID","2DP")"};
    const auto file = [&head](const std::vector<std::string>& rest) {
        std::vector<std::string> lines = head;
        lines.insert(lines.end(), rest.begin(), rest.end());
        return joined(lines);
    };
    struct Case {
        std::string text;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {file({R"("DATA","BH1")"}), 5, "DATA line has 2 fields, HEADING has 3"},
        {joined({head[0], R"("DATA","BH1","1.00")"}), 2, "before the HEADING line"},
        {joined({head[0], head[1], head[3], R"("DATA","BH1","1.00")"}), 3, "before the UNIT line"},
        {joined({head[0], head[1]}), 1, "no UNIT line"},
        {file({R"("DATA","BH1","1.00")", "", head[0]}), 7, "second time"},
        {file({R"("DATA",BH1,"12.30")"}), 5, "field 2 is not enclosed in double quotes"},
        {file({R"("DATA","BH1,"12.30")"}), 5, "after the closing double quote"},
        {file({R"("DATA","BH1","12.3")"}), 5, "2 decimal places"},
        {file({R"("DATA","BH1","1.2E1")"}), 5, "2 decimal places"},
        {file({R"("DATA","BH1","deep")"}), 5, "not a number"},
        {joined({head[0], head[1], "\"UNIT\",\"\0\",\"m\""s}), 3, "NUL byte"},
        {file({"\"DATA\",\"B\xC3\x28\",\"12.30\""}), 5, "UTF-8"},
        {file({"\"DATA\",\"B\xE2\x82\""}), 5, "UTF-8"},
        {"", 0, "no GROUP line"},
        {joined({head[1]}), 1, "before any GROUP line"},
        {file({R"("<CONT>","","0")"}), 5, "<CONT> line without a DATA line"},
        {file({R"("ROW","BH1","12.30")"}), 5, "unknown data descriptor"},
        {joined({head[0], R"("HEADING","LOCA_ID","loca_fdep")"}), 2, "uppercase letters"},
        {joined({head[0], R"("HEADING","LOCA_ID","LOCA_ID")"}), 2, "appears twice"},
        {joined({head[0], head[1], head[2], R"("TYPE","ID","2XP")"}), 4, "unknown data type"},
    };
    for (const Case& c : cases) {
        try {
            AgsFile::parse(c.text);
            ADD_FAILURE() << "not refused: " << c.says;
        } catch (const AgsError& e) {
            EXPECT_EQ(e.line, c.line) << e.what();
            EXPECT_NE(e.rule.find(c.says), std::string::npos) << c.says << " → " << e.what();
            if (c.line > 0) {
                EXPECT_EQ(std::string(e.what()).rfind("line " + std::to_string(c.line) + ": ", 0), 0u) << e.what();
            }
        }
    }
    // A value is checked once its <CONT> lines are joined in.
    EXPECT_EQ(AgsFile::parse(file({R"("DATA","BH1","12.3")", R"("<CONT>","","0")"})).groups[0].rows[0][1], "12.30");
}

TEST(AgsFileTest, ANumberIsTheWholeFieldOrNone)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"12.30", 12.3}, {"+2.5", 2.5}, {"-1.5E-03", -0.0015}, {"", {}},    {"1,5", {}},   {"12.3x", {}},
        {" 1", {}},      {"+-1", {}},   {"inf", {}},           {"nan", {}}, {"1e999", {}},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(AgsFile::number(text), value) << '"' << text << '"';
}

TEST(AgsFileTest, ANumberIsFormattedForItsTypeInAnyLocale)
{
    const std::tuple<double, const char*, const char*> cases[] = {
        {2.5, "2DP", "2.50"},        {-0.001, "2DP", "0.00"}, {99.6, "0DP", "100"},   {0.0123456, "3SF", "0.0123"},
        {123456, "3SF", "123000"},   {9.996, "3SF", "10.0"},  {-42.87, "2SF", "-43"}, {0.1, "U", "0.1"},
        {12345, "2SCI", "1.23E+04"}, {NAN, "2DP", ""},
    };
    for (const auto& [value, type, text] : cases)
        EXPECT_EQ(AgsFile::formatNumber(value, type), text) << value << ' ' << type;
    EXPECT_THROW(AgsFile::formatNumber(1, "X"), std::invalid_argument);
    EXPECT_THROW(AgsFile::formatNumber(1, "0SF"), std::invalid_argument);

    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    std::locale::global(std::locale("de_DE.UTF-8"));
    EXPECT_EQ(AgsFile::formatNumber(1234.5, "2DP"), "1234.50");
    EXPECT_EQ(AgsFile::formatNumber(0.25, "U"), "0.25");
    EXPECT_EQ(AgsFile::formatNumber(0.0123456, "3SF"), "0.0123");
    EXPECT_EQ(AgsFile::number("2.5"), 2.5);
    EXPECT_EQ(AgsFile::number("2,5"), std::nullopt);
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
}

TEST(AgsFileTest, WrittenTextReadsBackTheSame)
{
    const std::vector<std::string> lines = {R"("GROUP","PROJ")",
                                            R"("HEADING","PROJ_ID")",
                                            R"("UNIT","")",
                                            R"("TYPE","ID")",
                                            R"("DATA","P1")",
                                            "",
                                            R"("GROUP","LOCA")",
                                            R"("HEADING","LOCA_ID","LOCA_REM")",
                                            R"("UNIT","","")",
                                            R"("TYPE","ID","X")",
                                            R"("DATA","BH1","the ""old"" pit")"};
    AgsFile file = AgsFile::parse(joined(lines));
    EXPECT_EQ(file.write(), joined(lines, "\r\n"));
    // A field cannot span lines.
    file.groups[1].rows[0][1] = "the pit\r\nrefilled\nagain";
    EXPECT_EQ(AgsFile::parse(file.write()).groups[1].rows[0][1], "the pit refilled again");

    const std::string text = AgsFile::parse(joined(handWritten, "\r\n")).write();
    EXPECT_EQ(AgsFile::parse(text).write(), text);
    EXPECT_EQ(AgsFile::parse(text).group("SHBG")->rows[0][5], "Firm \"brown\" CLAY, on geotextile");

    file.groups[1].rows[0].pop_back();
    EXPECT_THROW(file.write(), std::invalid_argument);
}

std::string shbg(const std::vector<std::string>& rows)
{
    std::vector<std::string> lines = {R"("GROUP","SHBG")", R"("HEADING","LOCA_ID","SPEC_REF")", R"("UNIT","","")",
                                      R"("TYPE","ID","X")"};
    for (const std::string& row : rows)
        lines.push_back("\"DATA\"," + row);
    return joined(lines);
}

std::string shbt(const std::vector<std::string>& rows, const std::string& units = R"("","","kPa","kPa","kPa")",
                 const std::string& peak = "SHBT_PEAK")
{
    std::vector<std::string> lines = {R"("GROUP","SHBT")",
                                      R"("HEADING","LOCA_ID","SPEC_REF","SHBT_NORM",")" + peak + R"(","SHBT_RES")",
                                      R"("UNIT",)" + units, R"("TYPE","ID","X","0DP","1DP","1DP")"};
    for (const std::string& row : rows)
        lines.push_back("\"DATA\"," + row);
    return joined(lines);
}

TEST(AgsFileTest, AShearSetThatCannotBeReadIsRefusedWithItsLine)
{
    // With one SHBG row its group takes lines 1 to 5, SHBT starts on line 7 and its rows on 11.
    const std::string set = shbg({R"("BH1","A")"});
    const std::vector<std::string> stages = {R"("BH1","A","50","30.0","25.0")", R"("BH1","A","100","58.0","")"};
    struct Case {
        std::string text;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {joined({R"("GROUP","LOCA")", R"("HEADING","LOCA_ID")", R"("UNIT","")", R"("TYPE","ID")"}), 0, "no SHBG"},
        {set, 0, "no SHBT"},
        {set + "\n" + shbt(stages, R"("","","kPa","MPa","kPa")"), 9, "SHBT_PEAK is in \"MPa\""},
        {set + "\n" + shbt(stages, R"("","","","kPa","kPa")"), 9, "SHBT_NORM is in \"\""},
        {set + "\n" + shbt(stages, R"("","","kPa","kPa","kPa")", "SHBT_PDIS"), 7, "without the heading SHBT_PEAK"},
        {set + "\n" + shbt({stages[0], R"("BH1","A","0","58.0","")"}), 12, "normal stress 0 kPa is not positive"},
        {set + "\n" + shbt({stages[0], R"("BH1","A","100","","")"}), 12, "without peak"},
        {set + "\n" + shbt({stages[0], R"("BH1","A","100","58.0","-1.0")"}), 12, "residual"},
        {shbg({R"("BH1","A")", R"("BH1","A")"}) + "\n" + shbt(stages), 6, "key BH1/A of the row on line 5"},
        {shbg({R"("","")"}) + "\n" + shbt(stages), 5, "without any of the key fields"},
        {set + "\n" + shbt({stages[0], stages[1], R"("BH1","a","50","30.0","")"}), 13, "BH1/a has no SHBG row"},
    };
    for (const Case& c : cases) {
        const AgsFile file = AgsFile::parse(c.text);
        try {
            AgsShearSets sets(file);
            ADD_FAILURE() << "not refused: " << c.says;
        } catch (const AgsError& e) {
            EXPECT_EQ(e.line, c.line) << e.what();
            EXPECT_NE(e.rule.find(c.says), std::string::npos) << c.says << " → " << e.what();
        }
    }
    EXPECT_EQ(AgsShearSets(AgsFile::parse(set + "\n" + shbt(stages))).sets()[0].key, "BH1/A");
}

TEST(AgsFileTest, TheSampleFileIsReadWithItsThreeSets)
{
    const AgsFile file = AgsFile::read(TARVELO_SOURCE_DIR "/docs/samples/shear-box.ags");
    const AgsShearSets shear(file);
    ASSERT_EQ(shear.sets().size(), 3u);
    const std::pair<const char*, size_t> sets[] = {
        {"TP01/0.50/B1/B/1", 4}, {"TP01/0.50/B1/B/2", 4}, {"TP02/1.20/B2/B/1", 3}};
    for (const auto& [key, stages] : sets) {
        const AgsShearSets::Set* set = shear.find(key);
        ASSERT_NE(set, nullptr) << key;
        ASSERT_EQ(set->stages.size(), stages) << key;
        for (const auto& stage : set->stages) {
            EXPECT_GT(stage.peak, *stage.residual) << stage.line;
            EXPECT_GT(stage.peak / stage.normal, 0.3) << stage.line;
            EXPECT_LT(stage.peak / stage.normal, 0.8) << stage.line;
        }
    }
}

TEST(AgsFileTest, AFileTooLargeMissingOrBrokenIsRefusedByName)
{
    const auto dir = std::filesystem::temp_directory_path();
    const auto refusal = [](const std::filesystem::path& path) {
        try {
            AgsFile::read(path);
        } catch (const AgsError& e) {
            return std::string(e.what());
        }
        return std::string("read");
    };

    // Blank lines up to the limit are read (and hold no group); one byte more is refused unread.
    const auto large = dir / "tarvelo-ags-large.ags";
    std::ofstream(large, std::ios::binary) << std::string(10 << 20, '\n');
    EXPECT_EQ(refusal(large), large.string() + ": no GROUP line: not an AGS4 file");
    std::ofstream(large, std::ios::app | std::ios::binary) << '\n';
    EXPECT_EQ(refusal(large).rfind(large.string() + ": larger than 10 MB", 0), 0u) << refusal(large);
    std::filesystem::remove(large);

    const auto missing = dir / "tarvelo-ags-missing.ags";
    std::filesystem::remove(missing);
    EXPECT_EQ(refusal(missing).rfind(missing.string() + ": cannot be read", 0), 0u) << refusal(missing);

    const auto broken = dir / "tarvelo-ags-broken.ags";
    std::ofstream(broken, std::ios::binary) << "\"GROUP\",\"LOCA\"\r\n\"DATA\",\"BH1\"\r\n";
    EXPECT_EQ(refusal(broken), broken.string() + ": line 2: DATA line before the HEADING line of group LOCA");
    std::filesystem::remove(broken);
}

}  // namespace
