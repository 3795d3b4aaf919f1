#include "ParameterExport.h"

#include "page/PageState.h"

#include <charconv>
#include <cmath>

namespace {

const char* const laws[] = {"contact", "contact_residual", "soil", "soil_residual"};
const char* const values[] = {"phi1", "a", "c", "adhesion", "delta"};

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

std::string csvText(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string jsonText(const std::string& text)
{
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

ParameterExport::ParameterExport(const std::string& csvPath, const std::string& jsonPath)
{
    if (!csvPath.empty()) {
        csv_.open(csvPath, std::ios::binary | std::ios::trunc);
        std::string header;
        for (const std::string& column : columns())
            header += (header.empty() ? "" : ",") + column;
        csv_ << header << "\r\n";
    }
    if (!jsonPath.empty()) {
        json_.open(jsonPath, std::ios::binary | std::ios::trunc);
        json_ << "[";
    }
}

std::vector<std::string> ParameterExport::columns()
{
    std::vector<std::string> names = {"KEN",       "KOM",     "language", "sigma_b", "sigma_a",
                                      "sigma_max", "sigma_1", "sigma_2",  "N"};
    for (const char* law : laws) {
        for (const char* value : values)
            names.push_back(std::string(law) + "_" + value);
    }
    return names;
}

void ParameterExport::add(const PageState& s, const std::vector<std::vector<Variant>>& table)
{
    // Texts first, then the numbers of the record and of its four laws.
    std::vector<Variant> cells = {Variant(s.SIB), Variant(s.SIA), Variant(s.SIMAX),
                                  Variant(s.SI1), Variant(s.SI2), Variant(static_cast<int32_t>(s.N))};
    for (const std::vector<Variant>& law : table)
        cells.insert(cells.end(), law.begin(), law.end());
    const std::vector<std::string> names = columns();
    if (csv_.is_open()) {
        csv_ << csvText(s.KEN) << "," << csvText(s.KOM) << "," << s.SPR;
        for (const Variant& cell : cells)
            csv_ << "," << number(cell);
        csv_ << "\r\n";
    }
    if (json_.is_open()) {
        json_ << (firstObject_ ? "\n  {" : ",\n  {") << "\"KEN\": " << jsonText(s.KEN)
              << ", \"KOM\": " << jsonText(s.KOM) << ", \"language\": " << s.SPR;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::string text = number(cells[i]);
            json_ << ", \"" << names[i + 3] << "\": " << (text.empty() ? "null" : text);
        }
        json_ << "}";
        firstObject_ = false;
    }
}

bool ParameterExport::finish()
{
    if (json_.is_open())
        json_ << "\n]\n";
    bool written = true;
    for (std::ofstream* file : {&csv_, &json_}) {
        if (file->is_open()) {
            file->close();
            written = written && !file->fail();
        }
    }
    return written;
}
