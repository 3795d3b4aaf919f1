#include "TestPointText.h"
#include "platform/TextPair.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

namespace TestPointText {

namespace {

// Without blanks around it.
std::string trimmed(std::string text)
{
    const char* const around = " \t\r";
    text.erase(text.find_last_not_of(around) + 1);  // npos + 1: all of it
    text.erase(0, text.find_first_not_of(around));
    return text;
}

// The cells of a line, read as RFC 4180 has them: a quoted cell may hold the separator,
// and a doubled quote inside it stands for one.
std::vector<std::string> cells(const std::string& line, char separator)
{
    std::vector<std::string> found(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            found.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            found.emplace_back();
        } else {
            found.back() += c;
        }
    }
    for (std::string& cell : found)
        cell = trimmed(cell);
    return found;
}

// Spreadsheet rows carry tabs; a CSV file with decimal commas separates by ';'.
char separatorOf(const std::string& text, Source source)
{
    if (source == Source::Spreadsheet || text.find('\t') != std::string::npos)
        return '\t';
    return text.find(';') != std::string::npos ? ';' : ',';
}

// A header's cell names a column: it starts with a letter (σ and τ included) and is no
// word a number parser might take for one.
bool isColumnName(std::string cell)
{
    if (cell.empty() || !(std::isalpha(static_cast<unsigned char>(cell.front())) ||
                          static_cast<unsigned char>(cell.front()) >= 0x80))
        return false;
    std::transform(cell.begin(), cell.end(), cell.begin(), [](unsigned char c) { return std::tolower(c); });
    return cell != "nan" && cell != "inf" && cell != "infinity";
}

// The decimal separator a dialect fixes; tab-separated text uses the reader's.
char decimalOf(char separator, char typed)
{
    if (separator == ';')
        return ',';
    return separator == ',' ? '.' : typed;
}

}  // namespace

std::optional<double> number(const std::string& cell, char decimal)
{
    std::string text = trimmed(cell);
    // The other separator groups thousands in some locales and marks decimals in others:
    // a cell that holds it is ambiguous and no number.
    if (text.find(decimal == ',' ? '.' : ',') != std::string::npos)
        return std::nullopt;
    std::replace(text.begin(), text.end(), decimal, '.');
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Parsed parse(const std::string& input, char decimal, Source source)
{
    Parsed parsed;
    // A byte-order mark, as spreadsheets write it before UTF-8 text, is no part of a cell.
    const std::string text = input.rfind("\xEF\xBB\xBF", 0) == 0 ? input.substr(3) : input;
    const char separator = separatorOf(text, source);
    decimal = decimalOf(separator, decimal);
    std::istringstream lines(text);
    std::string line;
    for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
        const std::vector<std::string> row = cells(line, separator);
        if (std::all_of(row.begin(), row.end(), [](const std::string& cell) { return cell.empty(); }))
            continue;
        Row values;
        for (const std::string& cell : row) {
            const std::optional<double> value = number(cell, decimal);
            if (!value && !cell.empty()) {
                if (parsed.rows.empty() && parsed.header.empty() &&
                    std::all_of(row.begin(), row.end(),
                                [](const std::string& name) { return name.empty() || isColumnName(name); })) {
                    parsed.header = row;  // a first line that starts with a word names the columns
                    values.clear();
                    break;
                }
                parsed.badLine = lineNumber;
                parsed.badColumn = static_cast<int>(values.size()) + 1;
                parsed.badCell = cell;
                return parsed;
            }
            values.push_back(value);
        }
        if (!values.empty())
            parsed.rows.push_back(values);
    }
    return parsed;
}

std::string Parsed::problem(bool english) const
{
    if (badLine == 0)
        return {};
    const std::string line = std::to_string(badLine);
    const std::string column = std::to_string(badColumn);
    return TextPair{"Zeile " + line + ", Spalte " + column + ": \"" + badCell + "\" ist keine Zahl.",
                    "Line " + line + ", column " + column + ": \"" + badCell + "\" is not a number."}
        .in(english);
}

std::size_t Parsed::columns() const
{
    std::size_t widest = header.size();
    for (const Row& row : rows)
        widest = std::max(widest, row.size());
    return widest;
}

}  // namespace TestPointText
