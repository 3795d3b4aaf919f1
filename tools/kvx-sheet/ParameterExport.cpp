#include "ParameterExport.h"

#include "page/PageState.h"
#include "platform/JsonText.h"

#include <QIODevice>

namespace {

const char* const laws[] = {"contact", "contact_residual", "soil", "soil_residual"};
const char* const values[] = {"phi1", "a", "c", "adhesion", "delta"};
const std::vector<std::string> slopeColumns = {"slope_beta",        "slope_length",      "slope_thickness",
                                               "slope_gamma",       "slope_sigma_n",     "slope_fs",
                                               "slope_fs_residual", "slope_fs_infinite", "slope_fs_infinite_residual",
                                               "slope_fs_required"};

// A cell's number as CSV holds it: empty where JSON has null.
std::string number(const Variant& value)
{
    const std::string text = JsonText::number(value);
    return text == "null" ? std::string() : text;
}

std::string csvText(const std::string& raw)
{
    const std::string text = JsonText::validUtf8(raw);
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

ParameterExport::ParameterExport(QIODevice* csv, QIODevice* json) : csv_(csv), json_(json)
{
    std::string header;
    for (const std::string& column : columns())
        header += (header.empty() ? "" : ",") + column;
    write(csv_, header + "\r\n");
    write(json_, "[");
}

void ParameterExport::write(QIODevice* device, const std::string& text)
{
    if (device)
        written_ = device->write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                   written_;
}

std::vector<std::string> ParameterExport::columns()
{
    std::vector<std::string> names = {"KEN",       "KOM",     "language", "sigma_b", "sigma_a",
                                      "sigma_max", "sigma_1", "sigma_2",  "N"};
    for (const char* law : laws) {
        for (const char* value : values)
            names.push_back(std::string(law) + "_" + value);
    }
    names.insert(names.end(), slopeColumns.begin(), slopeColumns.end());
    return names;
}

ParameterExport::Row ParameterExport::row(const PageState& s, const std::vector<std::vector<Variant>>& table,
                                          const std::optional<SlidingCheck::Slope>& slope)
{
    // Texts first, then the numbers of the record and of its four laws.
    Row row{s.KEN, s.KOM, s.SPR, {Variant(s.SIB), Variant(s.SIA), Variant(s.SIMAX), Variant(s.SI1), Variant(s.SI2),
                                  Variant(static_cast<int32_t>(s.N))}};
    for (const std::vector<Variant>& law : table)
        row.cells.insert(row.cells.end(), law.begin(), law.end());
    std::vector<Variant> check(slopeColumns.size());  // empty cells without a check
    if (slope && SlidingCheck::problem(*slope).first.empty()) {
        const auto law = [&s](float a, float c) { return SlidingCheck::Law{a, c, s.SIB}; };
        const bool soil = s.AB != 0;
        const SlidingCheck::Checked result =
            SlidingCheck::check(*slope, {law(s.A, s.C), law(s.AR, s.CR), soil ? std::optional(law(s.AB, s.CB)) : std::nullopt,
                                         soil ? std::optional(law(s.ARB, s.CRB)) : std::nullopt});
        const auto maybe = [](const std::optional<double>& value) { return value ? Variant(*value) : Variant(); };
        check = {Variant(slope->beta),        Variant(slope->length),           Variant(slope->thickness),
                 Variant(slope->unitWeight),  Variant(result.peak.sigmaN),      maybe(result.peak.fs),
                 maybe(result.residual.fs),   Variant(result.peak.fsInfinite),  Variant(result.residual.fsInfinite),
                 Variant(slope->required)};
    }
    row.cells.insert(row.cells.end(), check.begin(), check.end());
    return row;
}

void ParameterExport::add(const Row& row)
{
    const std::vector<std::string> names = columns();
    std::string line = csvText(row.KEN) + "," + csvText(row.KOM) + "," + std::to_string(row.language);
    for (const Variant& cell : row.cells)
        line += "," + number(cell);
    write(csv_, line + "\r\n");
    std::string object = std::string(firstObject_ ? "\n  {" : ",\n  {") + "\"KEN\": " + JsonText::quoted(row.KEN) +
                         ", \"KOM\": " + JsonText::quoted(row.KOM) + ", \"language\": " + std::to_string(row.language);
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        object += ", \"" + names[i + 3] + "\": " + JsonText::number(row.cells[i]);
    }
    write(json_, object + "}");
    firstObject_ = false;
}

bool ParameterExport::finish()
{
    write(json_, "\n]\n");
    return written_;
}
