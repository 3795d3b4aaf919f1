#include "AgsRecords.h"

#include "data/EvaluationState.h"
#include "data/RecordQueries.h"
#include "laws/LawFit.h"
#include "laws/RecordEvaluation.h"
#include "platform/Connection.h"
#include "platform/Recordset.h"
#include "platform/TextPair.h"
#include "platform/Variant.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace AgsRecords {

const std::vector<Heading> lawHeadings = {
    {"SHBG_XSB", "SIB", "Reference stress sigma_b of the log-linear laws"},
    {"SHBG_XA", "A", "Contact peak law: friction angle a at sigma_b"},
    {"SHBG_XC", "C", "Contact peak law: change c of the angle per tenfold stress"},
    {"SHBG_XAR", "AR", "Contact residual law: friction angle ar at sigma_b"},
    {"SHBG_XCR", "CR", "Contact residual law: change cr per tenfold stress"},
    {"SHBG_XAB", "AB", "Soil peak law: friction angle ab at sigma_b (0: no soil values)"},
    {"SHBG_XCB", "CB", "Soil peak law: change cb per tenfold stress"},
    {"SHBG_XARB", "ARB", "Soil residual law: friction angle arb at sigma_b"},
    {"SHBG_XCRB", "CRB", "Soil residual law: change crb per tenfold stress"},
    {"SHBG_XSA", "SIA", "Lowest normal stress sigma_a the laws are evaluated at"},
    {"SHBG_XSMX", "SIMAX", "Highest normal stress sigma_max the laws are evaluated at"},
    {"SHBG_XS1", "SI1", "Normal stress sigma_1 of the secant"},
    {"SHBG_XS2", "SI2", "Normal stress sigma_2 of the secant"},
    {"SHBG_XN", "N", "Steps between sigma_a and sigma_max"},
};

const std::vector<Heading> stageHeadings = {
    {"SHBT_XTB", "TAUB", "Peak shear stress of the soil at the stage's normal stress"},
    {"SHBT_XTBR", "TAUBR", "Residual shear stress of the soil at the stage's normal stress"},
};

namespace {

// The unit of a heading of this program: stresses in kPa, angles in degrees, N none.
std::string unitOf(const Heading& h)
{
    if (std::string(h.column) == "N")
        return "";
    return h.column[0] == 'S' || h.column[0] == 'T' ? "kPa" : "deg";
}

const char* const keyHeadings[] = {"LOCA_ID", "SAMP_TOP", "SAMP_REF", "SAMP_TYPE", "SAMP_ID", "SPEC_REF", "SPEC_DPTH"};

std::optional<double> number(const std::map<std::string, std::string>& fields, const char* heading)
{
    const auto found = fields.find(heading);
    return found == fields.end() ? std::nullopt : AgsFile::number(found->second);
}

// The record's numbers by column name, for the headings that carry them.
float& valueOf(RecordRules::Values& v, const std::string& column)
{
    static const std::map<std::string, float RecordRules::Values::*> members = {
        {"SIB", &RecordRules::Values::SIB}, {"A", &RecordRules::Values::A},         {"C", &RecordRules::Values::C},
        {"AR", &RecordRules::Values::AR},   {"CR", &RecordRules::Values::CR},       {"AB", &RecordRules::Values::AB},
        {"CB", &RecordRules::Values::CB},   {"ARB", &RecordRules::Values::ARB},     {"CRB", &RecordRules::Values::CRB},
        {"SIA", &RecordRules::Values::SIA}, {"SIMAX", &RecordRules::Values::SIMAX}, {"SI1", &RecordRules::Values::SI1},
        {"SI2", &RecordRules::Values::SI2}};
    return v.*members.at(column);
}

// The record's laws and range as a file of this program wrote them: none for a file without;
// the heading whose value no record can hold (beyond single precision, N not a whole number
// of 1 to 32767) in `refused`.
bool takeWritten(const AgsShearSets::Set& set, RecordRules::Values& v, std::string& refused)
{
    for (const Heading& h : lawHeadings) {
        const std::optional<double> value = number(set.fields, h.heading);
        if (!value)
            return false;
        const bool count = std::string(h.column) == "N";
        const bool fits = count ? *value >= 1 && *value <= 32767 && std::floor(*value) == *value
                                : std::fabs(*value) <= std::numeric_limits<float>::max();
        if (!fits) {
            refused = h.heading;
            return false;
        }
        if (count)
            v.N = static_cast<int32_t>(*value);
        else
            valueOf(v, h.column) = static_cast<float>(*value);
    }
    return true;
}

// The stages as test results: the contact's, joined by the soil's at the same σ'.
std::vector<ShearTestPoint> points(const AgsShearSets::Set& contact, const AgsShearSets::Set* soil)
{
    std::vector<ShearTestPoint> all;
    for (const AgsShearSets::Stage& stage : contact.stages)
        all.push_back({stage.normal,
                       {stage.peak, stage.residual, number(stage.fields, "SHBT_XTB"),
                        number(stage.fields, "SHBT_XTBR")}});
    if (soil) {
        for (const AgsShearSets::Stage& stage : soil->stages) {
            auto same = std::find_if(all.begin(), all.end(),
                                     [&](const ShearTestPoint& p) { return p.sigma == stage.normal; });
            if (same == all.end())
                same = all.insert(all.end(), ShearTestPoint{stage.normal, {}});
            same->tau[TestPoints::Soil] = stage.peak;
            same->tau[TestPoints::SoilResidual] = stage.residual;
        }
    }
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.sigma < b.sigma; });
    return all;
}

}  // namespace

std::variant<Record, std::string> make(const AgsShearSets::Set& contact, const AgsShearSets::Set* soil,
                                       float sigmaB, bool english)
{
    Record record;
    RecordRules::Values& v = record.values;
    v.KEN = contact.locaId + (contact.specRef.empty() ? "" : " " + contact.specRef);
    if (v.KEN.empty())
        v.KEN = contact.key;
    // The comment: the sample and the specimen's description, as far as the file gives them.
    record.KOM = contact.sampRef.empty() || contact.specDesc.empty() ? contact.sampRef + contact.specDesc
                                                                     : contact.sampRef + ": " + contact.specDesc;
    const std::string set = TextPair{"Zeile ", "line "}.in(english) + std::to_string(contact.line) + ": " +
                            TextPair{"Versuchsreihe ", "test set "}.in(english) + contact.key + ": ";
    const std::string tooMany = set + TextPair{"mehr als 20 Normalspannungen; ein Datensatz fasst 20 Versuche.",
                                               "more than 20 normal stresses; a record holds 20 tests."}
                                          .in(english);
    // Sets of many stages are refused before their stages are joined pair by pair.
    const auto many = [](const AgsShearSets::Set* s) { return s && s->stages.size() > TestPoints::maximum; };
    if (many(&contact) || many(soil))
        return tooMany;
    record.points = points(contact, soil);
    if (record.points.size() > static_cast<std::size_t>(TestPoints::maximum))
        return tooMany;
    std::string refused;
    const bool written = takeWritten(contact, v, refused);
    if (!refused.empty())
        return set + refused + " \"" + contact.fields.at(refused) + "\"" +
               TextPair{": kein Wert, den ein Datensatz fassen kann.", ": no value a record can hold."}.in(english);
    if (!written || soil) {
        if (contact.stages.size() < 2)
            return set + std::to_string(contact.stages.size()) +
                   TextPair{" Stufe(n) in SHBT; die Gesetze brauchen mindestens zwei.",
                            " stage(s) in SHBT; the laws need at least two."}
                       .in(english);
        v.SIB = sigmaB;
        const char* const names[] = {"τf", "τr", "τB", "τBr"};
        float* const laws[][2] = {{&v.A, &v.C}, {&v.AR, &v.CR}, {&v.AB, &v.CB}, {&v.ARB, &v.CRB}};
        for (int law = 0; law < 4; ++law) {
            const LawFit::Points measured = TestPoints::of(record.points, TestPoints::Law(law));
            // Without soil tests the record has no soil values (ab = 0), as the form allows.
            if (law >= TestPoints::Soil && measured.empty()) {
                *laws[law][0] = *laws[law][1] = 0;
                continue;
            }
            const auto fitted = LawFit::fit(measured, sigmaB);
            if (const auto* why = std::get_if<LawFit::Problem>(&fitted))
                return set + names[law] + ": " + why->text(english);
            *laws[law][0] = static_cast<float>(std::get<LawFit::Fit>(fitted).a);
            *laws[law][1] = static_cast<float>(std::get<LawFit::Fit>(fitted).c);
        }
        v.SIA = v.SI1 = static_cast<float>(record.points.front().sigma);
        v.SIMAX = v.SI2 = static_cast<float>(record.points.back().sigma);
        v.N = 100;
    }
    std::string problems;
    for (const std::string& problem : RecordRules::problems(v, english))
        problems += (problems.empty() ? "" : " ") + problem;
    if (!problems.empty())
        return set + problems;
    return record;
}

int32_t store(const std::shared_ptr<Connection>& db, const Record& record, int16_t language)
{
    const RecordRules::Values& v = record.values;
    Connection::Savepoint unit(*db);
    if (!Recordset(db, "SELECT [ID] FROM [E1] WHERE [KEN]='" + Connection::escaped(v.KEN) + "'").isEOF())
        return 0;
    Recordset newest(db, "SELECT [ID] FROM [E1] ORDER BY [ID] Desc");
    const int32_t id = newest.isEOF() ? 1 : newest.field(0).toLong() + 1;
    newest.close();
    db->execute("UPDATE [E1] SET [AKT]=false WHERE [AKT]=true");
    auto e1 = db->prepare("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES (?,?,?,true,?)");
    e1->bind(1, Variant(id));
    e1->bind(2, Variant(v.KEN));
    e1->bind(3, Variant(record.KOM));
    e1->bind(4, Variant(language));
    e1->step();
    auto e2 = db->prepare("INSERT INTO [E2] VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    e2->bind(1, Variant(id));
    const float numbers[] = {v.SIB, v.A, v.C, v.AR, v.CR, v.AB, v.CB, v.ARB, v.CRB, v.SIA, v.SIMAX, v.SI1, v.SI2};
    for (int i = 0; i < 13; ++i)
        e2->bind(2 + i, Variant(numbers[i]));
    e2->bind(15, Variant(static_cast<int16_t>(v.N)));
    e2->step();
    TestPoints::write(db, id, record.points);
    EvaluationState::requireRebuild(db, id);
    unit.commit();
    return id;
}

AgsFile exportFile(const std::shared_ptr<Connection>& db, const std::string& project,
                   const std::vector<std::string>& identifications, std::vector<std::string>& missing)
{
    const auto group = [](const char* name, std::vector<std::string> headings, std::vector<std::string> units,
                          std::vector<std::string> types) {
        return AgsGroup{name, std::move(headings), std::move(units), std::move(types), {}, {}, 0, 0};
    };
    AgsGroup proj = group("PROJ", {"PROJ_ID", "PROJ_NAME"}, {"", ""}, {"ID", "X"});
    proj.rows.push_back({project, project});
    AgsGroup tran = group("TRAN", {"TRAN_ISNO", "TRAN_DATE", "TRAN_PROD", "TRAN_STAT", "TRAN_AGS", "TRAN_DLIM", "TRAN_RCON"},
                          {"", "yyyy-mm-dd", "", "", "", "", ""}, {"X", "DT", "X", "PA", "X", "X", "X"});
    tran.rows.push_back({"1", QDate::currentDate().toString(Qt::ISODate).toStdString(), "Tarvelo KVX", "FINAL", "4.1",
                         "|", "+"});
    AgsGroup unit = group("UNIT", {"UNIT_UNIT", "UNIT_DESC"}, {"", ""}, {"X", "X"});
    unit.rows = {{"kPa", "kilopascal"}, {"deg", "degrees"}, {"m", "metre"}, {"yyyy-mm-dd", "year month day"}};
    AgsGroup type = group("TYPE", {"TYPE_TYPE", "TYPE_DESC"}, {"", ""}, {"X", "X"});
    type.rows = {{"ID", "Unique identifier"},  {"X", "Text"},
                 {"PA", "Text listed in ABBR"}, {"DT", "Date time in international format"},
                 {"2DP", "Value; 2 decimal places"}, {"U", "Value with a variable format"}};
    AgsGroup abbr = group("ABBR", {"ABBR_HDNG", "ABBR_CODE", "ABBR_DESC"}, {"", "", ""}, {"X", "X", "X"});
    abbr.rows = {{"TRAN_STAT", "FINAL", "Final"}};
    AgsGroup dict = group("DICT", {"DICT_TYPE", "DICT_GRP", "DICT_HDNG", "DICT_STAT", "DICT_DTYP", "DICT_DESC", "DICT_UNIT"},
                          std::vector<std::string>(7), std::vector<std::string>(7, "X"));
    for (const auto& [headings, name] : {std::pair{&lawHeadings, "SHBG"}, {&stageHeadings, "SHBT"}}) {
        for (const Heading& h : *headings)
            dict.rows.push_back({"HEADING", name, h.heading, "OTHER", "U", h.description, unitOf(h)});
    }

    // SHBG and SHBT start with the key fields; of them only LOCA_ID is filled: the record's name.
    const auto keyed = [](const char* name) {
        return AgsGroup{name, {std::begin(keyHeadings), std::end(keyHeadings)}, {"", "m", "", "", "", "", "m"},
                        {"ID", "2DP", "X", "PA", "X", "X", "2DP"}, {}, {}, 0, 0};
    };
    const auto addColumn = [](AgsGroup& g, const std::string& heading, const std::string& unit, const char* type) {
        g.headings.push_back(heading);
        g.units.push_back(unit);
        g.types.push_back(type);
    };
    const auto keyedRow = [](const std::string& ken) {
        std::vector<std::string> row(std::size(keyHeadings));
        row[0] = ken;
        return row;
    };
    AgsGroup loca = group("LOCA", {"LOCA_ID"}, {""}, {"ID"});
    AgsGroup shbg = keyed("SHBG");
    addColumn(shbg, "SPEC_DESC", "", "X");
    for (const char* secant : {"SHBG_PHI", "SHBG_PCOH", "SHBG_RPHI", "SHBG_RCOH"})
        addColumn(shbg, secant, std::string(secant).find("PHI") != std::string::npos ? "deg" : "kPa", "2DP");
    for (const Heading& h : lawHeadings)
        addColumn(shbg, h.heading, unitOf(h), "U");
    AgsGroup shbt = keyed("SHBT");
    addColumn(shbt, "SHBT_TESN", "", "X");
    for (const char* stress : {"SHBT_NORM", "SHBT_PEAK", "SHBT_RES", "SHBT_XTB", "SHBT_XTBR"})
        addColumn(shbt, stress, "kPa", "U");

    std::vector<std::string> wanted = identifications;
    Recordset rows(db, "SELECT [E1].[ID],[KEN],[KOM],[SIB],[A],[C],[AR],[CR],[AB],[CB],[ARB],[CRB],[SIA],[SIMAX],"
                       "[SI1],[SI2],[N] FROM [E1] JOIN [E2] ON [E1].[ID]=[E2].[ID] WHERE [KEN]<>'M' ORDER BY [KEN]");
    for (; !rows.isEOF(); rows.moveNext()) {
        const std::string ken = rows.field("KEN").text();
        const auto asked = std::find(wanted.begin(), wanted.end(), ken);
        if (!identifications.empty() && asked == wanted.end())
            continue;
        if (asked != wanted.end())
            wanted.erase(asked);
        // The headings of this program carry the record's columns of the same names.
        RecordRules::Values v;
        for (const Heading& h : lawHeadings) {
            if (std::string(h.column) == "N")
                v.N = rows.field("N").toInteger();
            else
                valueOf(v, h.column) = rows.field(h.column).toSingle();
        }
        // Evaluated over σ1 … σ2 alone: the secants need no more, and a stored range that breaks
        // the rules makes no grid.
        const RecordEvaluation::Values e = RecordEvaluation::evaluate(
            {v.SIB, v.A, v.C, v.AR, v.CR, v.AB, v.CB, v.ARB, v.CRB, std::min(v.SI1, v.SI2), v.SI1, v.SI2,
             std::max(v.SI1, v.SI2) + 1, 1});
        loca.rows.push_back({ken});
        std::vector<std::string> row = keyedRow(ken);
        row.push_back(rows.field("KOM").text());
        for (const float value : {e.phic, e.cc, e.phicr, e.ccr})
            row.push_back(e.coulomb ? AgsFile::formatNumber(value, "2DP") : "");
        for (const Heading& h : lawHeadings)
            row.push_back(std::string(h.column) == "N" ? std::to_string(v.N) : vb::exactText(valueOf(v, h.column)));
        shbg.rows.push_back(row);
        const std::vector<ShearTestPoint> tests = TestPoints::read(db, rows.field("ID").toLong());
        for (std::size_t i = 0; i < tests.size(); ++i) {
            // A stage of the format has the contact's peak; soil tests alone stay in the project.
            if (!tests[i].tau[TestPoints::Contact])
                continue;
            std::vector<std::string> stage = keyedRow(ken);
            stage.push_back(std::to_string(i + 1));
            stage.push_back(vb::exactText(tests[i].sigma));
            for (const std::optional<double>& tau : tests[i].tau)
                stage.push_back(tau ? vb::exactText(*tau) : "");
            shbt.rows.push_back(stage);
        }
    }
    missing = wanted;
    AgsFile file;
    file.groups = {proj, tran, unit, type, abbr, dict, loca, shbg, shbt};
    for (AgsGroup& g : file.groups)
        g.rowLines.assign(g.rows.size(), 0);
    return file;
}

}  // namespace AgsRecords
