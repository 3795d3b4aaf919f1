#include "TestPointText.h"
#include "platform/TextPair.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace TestPointText {

namespace {

// Without blanks and the quotes of a CSV cell around it.
std::string trimmed(std::string text)
{
    const char* const around = " \t\r\"";
    text.erase(text.find_last_not_of(around) + 1);  // npos + 1: all of it
    text.erase(0, text.find_first_not_of(around));
    return text;
}

std::vector<std::string> cells(const std::string& line, char separator)
{
    std::vector<std::string> found;
    std::string cell;
    std::istringstream stream(line);
    while (std::getline(stream, cell, separator))
        found.push_back(trimmed(cell));
    if (!line.empty() && line.back() == separator)
        found.emplace_back();
    return found;
}

// Spreadsheet rows carry tabs; a CSV file with decimal commas separates by ';'.
char separatorOf(const std::string& text, Source source)
{
    if (source == Source::Spreadsheet || text.find('\t') != std::string::npos)
        return '\t';
    return text.find(';') != std::string::npos ? ';' : ',';
}

}  // namespace

std::optional<double> number(const std::string& cell)
{
    std::string text = trimmed(cell);
    std::replace(text.begin(), text.end(), ',', '.');
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Parsed parse(const std::string& text, Source source)
{
    Parsed parsed;
    const char separator = separatorOf(text, source);
    std::istringstream lines(text);
    std::string line;
    for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
        const std::vector<std::string> row = cells(line, separator);
        if (std::all_of(row.begin(), row.end(), [](const std::string& cell) { return cell.empty(); }))
            continue;
        Row values;
        for (const std::string& cell : row) {
            const std::optional<double> value = number(cell);
            if (!value && !cell.empty()) {
                if (parsed.rows.empty() && parsed.header.empty() && !number(row.front())) {
                    parsed.header = row;  // a first line that starts with a word names the columns
                    values.clear();
                    break;
                }
                parsed.badLine = lineNumber;
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
    return TextPair{"Zeile " + line + ": \"" + badCell + "\" ist keine Zahl.",
                    "Line " + line + ": \"" + badCell + "\" is not a number."}
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
