#include "ParameterExport.h"

#include "page/PageState.h"

#include <QIODevice>
#include <QString>

#include <charconv>
#include <cmath>

namespace {

const char* const laws[] = {"contact", "contact_residual", "soil", "soil_residual"};
const char* const values[] = {"phi1", "a", "c", "adhesion", "delta"};
const std::vector<std::string> slopeColumns = {"slope_beta",        "slope_length",      "slope_thickness",
                                               "slope_gamma",       "slope_sigma_n",     "slope_fs",
                                               "slope_fs_residual", "slope_fs_infinite", "slope_fs_infinite_residual",
                                               "slope_fs_required"};

// The shortest text that reads back as the same single (or double): "22.5", "0.39123".
std::string number(const Variant& value)
{
    if (value.isNull() || value.isEmpty() || value.isText() || !std::isfinite(value.toDouble()))
        return {};
    char buffer[64];
    const auto written = value.type() == Variant::Type::Single
                             ? std::to_chars(buffer, buffer + sizeof buffer, value.toSingle())
                             : std::to_chars(buffer, buffer + sizeof buffer, value.toDouble());
    return std::string(buffer, written.ptr);
}

// Text as valid UTF-8: a byte that is no character becomes U+FFFD, not a broken file.
std::string validUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

std::string csvText(const std::string& raw)
{
    const std::string text = validUtf8(raw);
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string jsonText(const std::string& raw)
{
    const std::string text = validUtf8(raw);
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            quoted += escape;
        } else {
            quoted += static_cast<char>(c);
        }
    }
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
    if (slope) {
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
    std::string object = std::string(firstObject_ ? "\n  {" : ",\n  {") + "\"KEN\": " + jsonText(row.KEN) +
                         ", \"KOM\": " + jsonText(row.KOM) + ", \"language\": " + std::to_string(row.language);
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        const std::string text = number(row.cells[i]);
        object += ", \"" + names[i + 3] + "\": " + (text.empty() ? "null" : text);
    }
    write(json_, object + "}");
    firstObject_ = false;
}

bool ParameterExport::finish()
{
    write(json_, "\n]\n");
    return written_;
}
