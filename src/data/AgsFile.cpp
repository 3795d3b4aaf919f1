#include "AgsFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <unordered_set>

namespace {

constexpr std::uintmax_t maxSize = 10 * 1024 * 1024;

std::string compose(const std::string& file, int line, const std::string& rule)
{
    std::string text = file.empty() ? std::string() : file + ": ";
    if (line > 0)
        text += "line " + std::to_string(line) + ": ";
    return text + rule;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isUpperOrDigit(char c)
{
    return (c >= 'A' && c <= 'Z') || isDigit(c);
}

// Refuses a binary file before its lines are read: a NUL byte, or bytes that are not UTF-8
// (overlong forms and surrogates included), with the line they are on.
void checkText(std::string_view text)
{
    int line = 1;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n')
            ++line;
        if (c == 0)
            throw AgsError(line, "NUL byte: a binary file, not AGS4 text");
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t code = 0, least = 0;
        if ((c & 0xE0) == 0xC0)
            extra = 1, code = c & 0x1F, least = 0x80;
        else if ((c & 0xF0) == 0xE0)
            extra = 2, code = c & 0x0F, least = 0x800;
        else if ((c & 0xF8) == 0xF0)
            extra = 3, code = c & 0x07, least = 0x10000;
        bool valid = extra > 0 && i + extra < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            valid = (b & 0xC0) == 0x80;
            code = code << 6 | (b & 0x3F);
        }
        if (!valid || code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            throw AgsError(line, "not valid UTF-8 text: a binary file or another encoding");
        i += extra + 1;
    }
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The fields of a line without their quotes, "" read as one quote.
std::vector<std::string> splitFields(std::string_view line, int number)
{
    std::vector<std::string> fields;
    size_t i = 0;
    for (;;) {
        const std::string which = "field " + std::to_string(fields.size() + 1);
        if (i >= line.size() || line[i] != '"')
            throw AgsError(number, which + " is not enclosed in double quotes");
        std::string field;
        for (++i;; ++i) {
            if (i >= line.size())
                throw AgsError(number, which + " has no closing double quote");
            if (line[i] == '"') {
                if (i + 1 < line.size() && line[i + 1] == '"') {
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
            field += line[i];
        }
        fields.push_back(std::move(field));
        if (i == line.size())
            return fields;
        if (line[i] != ',')
            throw AgsError(number, "text after the closing double quote of " + which);
        ++i;
    }
}

// n of a type "nDP", "nSF" or "nSCI" with the given suffix; none for other types.
std::optional<int> places(std::string_view type, std::string_view suffix)
{
    if (!type.ends_with(suffix))
        return std::nullopt;
    type.remove_suffix(suffix.size());
    int n = 0;
    const auto [end, ec] = std::from_chars(type.data(), type.data() + type.size(), n);
    if (type.empty() || type.size() > 2 || ec != std::errc() || end != type.data() + type.size())
        return std::nullopt;
    return n;
}

bool isNumeric(const std::string& type)
{
    return type == "U" || type == "MC" || places(type, "DP") || places(type, "SF") || places(type, "SCI");
}

bool isKnownType(const std::string& type)
{
    static const char* const texts[] = {"X", "XN", "ID", "PA", "PT", "PU", "T", "DT", "YN", "RL", "DMS"};
    return isNumeric(type) || std::find(std::begin(texts), std::end(texts), type) != std::end(texts);
}

// Digits, then a point and exactly n digits (none at all for 0DP); no exponent.
bool hasDecimals(std::string_view value, int n)
{
    size_t i = !value.empty() && (value[0] == '-' || value[0] == '+') ? 1 : 0;
    const size_t first = i;
    while (i < value.size() && isDigit(value[i]))
        ++i;
    if (i == first)
        return false;
    if (n == 0)
        return i == value.size();
    if (i == value.size() || value[i] != '.')
        return false;
    const size_t point = i++;
    while (i < value.size() && isDigit(value[i]))
        ++i;
    return i == value.size() && i - point - 1 == static_cast<size_t>(n);
}

// The values of a row against the data types of their headings. Significant figures are
// checked only for being a number: "1200" may hold two, three or four of them, so a count
// would refuse good files. Neither is the format of the text types checked (DT, T, DMS take
// their form from the unit), nor the uniqueness of ID values, which repeat where a group
// refers to another.
void checkValues(const AgsGroup& group, size_t row)
{
    const int line = group.rowLines[row];
    for (size_t c = 0; c < group.headings.size(); ++c) {
        const std::string& value = group.rows[row][c];
        const std::string& type = group.types[c];
        if (value.empty())
            continue;
        const std::string says = group.headings[c] + " value \"" + value + "\"";
        if (isNumeric(type) && !AgsFile::number(value))
            throw AgsError(line, says + " is not a number (type " + type + ")");
        if (const auto n = places(type, "DP"); n && !hasDecimals(value, *n))
            throw AgsError(line, says + " does not have " + std::to_string(*n) + " decimal places (type " + type + ")");
        if (type == "YN" && value != "Y" && value != "N" && value != "y" && value != "n")
            throw AgsError(line, says + " is not Y or N (type YN)");
    }
}

void checkHeadings(const std::vector<std::string>& headings, int line)
{
    std::unordered_set<std::string> seen;  // a line of a million headings is checked in passing
    for (const std::string& name : headings) {
        const bool valid = !name.empty() && name.size() <= 9 &&
                           std::all_of(name.begin(), name.end(), [](char c) { return isUpperOrDigit(c) || c == '_'; });
        if (!valid)
            throw AgsError(line, "heading \"" + name + "\" is not 1 to 9 uppercase letters, digits or underscores");
        if (!seen.insert(name).second)
            throw AgsError(line, "heading " + name + " appears twice");
    }
}

// The lines of a group in their order; DATA stands for <CONT> too.
enum Step { Heading, Unit, Type, Data };
const char* const stepNames[] = {"HEADING", "UNIT", "TYPE", "DATA"};

void checkComplete(const AgsGroup& group, Step next)
{
    if (next != Data)
        throw AgsError(group.line, "group " + group.name + " has no " + stepNames[next] + " line");
}

std::string quote(const std::string& field)
{
    std::string text = "\"";
    for (size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '"')
            text += "\"\"";
        else if (c == '\r' && i + 1 < field.size() && field[i + 1] == '\n')
            continue;
        else if (c == '\r' || c == '\n')
            text += ' ';
        else
            text += c;
    }
    return text + '"';
}

void writeLine(std::string& out, const char* descriptor, const std::vector<std::string>& fields)
{
    out += '"';
    out += descriptor;
    out += '"';
    for (const std::string& field : fields)
        out += ',' + quote(field);
    out += "\r\n";
}

// to_chars into a string; the buffer holds a fixed-point double with a few hundred decimals.
template <typename... Format>
std::string chars(double value, Format... format)
{
    char buffer[800];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format...);
    if (ec != std::errc())
        throw std::invalid_argument("formatNumber: too many digits");
    return std::string(buffer, end);
}

std::string fixed(double value, int decimals)
{
    std::string text = chars(value, std::chars_format::fixed, decimals);
    // A small negative value rounded to zero reads "-0.00"; the sign means nothing there.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string significant(double value, int figures)
{
    if (value == 0)
        return fixed(0, figures - 1);
    // Rounded to the figures first, so that 9.996 to three figures is 10.0, one decimal fewer.
    const std::string scientific = chars(value, std::chars_format::scientific, figures - 1);
    const size_t e = scientific.find('e');
    int exponent = 0;
    const char* first = scientific.data() + e + 1;
    if (*first == '+')
        ++first;
    std::from_chars(first, scientific.data() + scientific.size(), exponent);
    if (exponent <= figures - 1)
        return fixed(value, figures - 1 - exponent);
    std::string text = value < 0 ? "-" : "";
    for (size_t i = 0; i < e; ++i)
        if (isDigit(scientific[i]))
            text += scientific[i];
    return text + std::string(exponent - (figures - 1), '0');
}

}  // namespace

int AgsGroup::column(const std::string& heading) const
{
    const auto it = std::find(headings.begin(), headings.end(), heading);
    return it == headings.end() ? -1 : static_cast<int>(it - headings.begin());
}

AgsError::AgsError(int line, std::string rule, const std::string& file)
    : std::runtime_error(compose(file, line, rule)), line(line), rule(std::move(rule)), file(file)
{}

AgsFile AgsFile::parse(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    checkText(text);

    AgsFile file;
    std::map<std::string, int> seen;  // group names with their lines
    AgsGroup* group = nullptr;
    Step next = Heading;
    bool rowOpen = false;  // the last row may still get <CONT> lines; checked once it cannot
    int number = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (isBlank(line))
            continue;

        std::vector<std::string> fields = splitFields(line, number);
        const std::string descriptor = fields[0];
        fields.erase(fields.begin());
        const bool cont = descriptor == "<CONT>";
        if (rowOpen && !cont) {
            checkValues(*group, group->rows.size() - 1);
            rowOpen = false;
        }

        if (descriptor == "GROUP") {
            if (fields.size() != 1)
                throw AgsError(number, "GROUP line with " + std::to_string(fields.size() + 1) +
                                           " fields; it takes 2, GROUP and the group name");
            const std::string& name = fields[0];
            if (name.size() != 4 || !std::all_of(name.begin(), name.end(), isUpperOrDigit))
                throw AgsError(number, "group name \"" + name + "\" is not 4 uppercase letters or digits");
            if (const auto it = seen.find(name); it != seen.end())
                throw AgsError(number,
                               "group " + name + " appears a second time, first on line " + std::to_string(it->second));
            if (group)
                checkComplete(*group, next);
            seen.emplace(name, number);
            group = &file.groups.emplace_back();
            group->name = name;
            group->line = number;
            next = Heading;
            continue;
        }

        const auto known = std::find(std::begin(stepNames), std::end(stepNames), descriptor);
        if (known == std::end(stepNames) && !cont)
            throw AgsError(number, "unknown data descriptor \"" + descriptor +
                                       "\"; a line starts with GROUP, HEADING, UNIT, TYPE, DATA or <CONT>");
        if (!group)
            throw AgsError(number, descriptor + " line before any GROUP line");
        const Step step = cont ? Data : static_cast<Step>(known - std::begin(stepNames));
        if (step > next)
            throw AgsError(number,
                           descriptor + " line before the " + stepNames[next] + " line of group " + group->name);
        if (step < next)
            throw AgsError(number, "a second " + descriptor + " line in group " + group->name);

        if (step == Heading) {
            if (fields.empty())
                throw AgsError(number, "HEADING line without headings");
            checkHeadings(fields, number);
            group->headings = std::move(fields);
            next = Unit;
            continue;
        }
        if (fields.size() != group->headings.size())
            throw AgsError(number, descriptor + " line has " + std::to_string(fields.size() + 1) +
                                       " fields, HEADING has " + std::to_string(group->headings.size() + 1));
        if (step == Unit) {
            group->units = std::move(fields);
            group->unitLine = number;
            next = Type;
        } else if (step == Type) {
            for (size_t c = 0; c < fields.size(); ++c)
                if (!isKnownType(fields[c]))
                    throw AgsError(number, "heading " + group->headings[c] + " has the unknown data type \"" +
                                               fields[c] + "\"");
            group->types = std::move(fields);
            next = Data;
        } else if (cont) {
            if (group->rows.empty())
                throw AgsError(number, "<CONT> line without a DATA line before it in group " + group->name);
            // The continued field goes on where the line before broke it off, without a space.
            for (size_t c = 0; c < fields.size(); ++c)
                group->rows.back()[c] += fields[c];
        } else {
            group->rows.push_back(std::move(fields));
            group->rowLines.push_back(number);
            rowOpen = true;
        }
    }
    if (!group)
        throw AgsError(0, "no GROUP line: not an AGS4 file");
    if (rowOpen)
        checkValues(*group, group->rows.size() - 1);
    checkComplete(*group, next);
    return file;
}

AgsFile AgsFile::read(const std::filesystem::path& path)
{
    const std::string name = path.string();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        throw AgsError(0, "cannot be read: " + error.message(), name);
    if (size > maxSize)
        throw AgsError(0, "larger than 10 MB, too large for an AGS4 file of test results", name);
    std::string text(static_cast<size_t>(size), '\0');
    std::ifstream in(path, std::ios::binary);
    if (!in.read(text.data(), static_cast<std::streamsize>(size)))
        throw AgsError(0, "cannot be read", name);
    try {
        AgsFile file = parse(text);
        file.path = path;
        return file;
    } catch (const AgsError& e) {
        throw AgsError(e.line, e.rule, name);
    }
}

const AgsGroup* AgsFile::group(const std::string& name) const
{
    const auto it = std::find_if(groups.begin(), groups.end(), [&](const AgsGroup& g) { return g.name == name; });
    return it == groups.end() ? nullptr : &*it;
}

std::string AgsFile::write() const
{
    std::string out;
    for (const AgsGroup& group : groups) {
        const size_t n = group.headings.size();
        const bool matches =
            group.units.size() == n && group.types.size() == n &&
            std::all_of(group.rows.begin(), group.rows.end(), [n](auto& row) { return row.size() == n; });
        if (!matches)
            throw std::invalid_argument("group " + group.name + ": units, types or rows do not match its headings");
        if (!out.empty())
            out += "\r\n";
        writeLine(out, "GROUP", {group.name});
        writeLine(out, "HEADING", group.headings);
        writeLine(out, "UNIT", group.units);
        writeLine(out, "TYPE", group.types);
        for (const auto& row : group.rows)
            writeLine(out, "DATA", row);
    }
    return out;
}

std::string AgsFile::formatNumber(double value, const std::string& type)
{
    if (!std::isfinite(value))
        return {};
    if (const auto n = places(type, "DP"))
        return fixed(value, *n);
    if (const auto n = places(type, "SF"); n && *n > 0)
        return significant(value, *n);
    if (const auto n = places(type, "SCI")) {
        std::string text = chars(value, std::chars_format::scientific, *n);
        std::replace(text.begin(), text.end(), 'e', 'E');
        return text;
    }
    if (type == "U")
        return chars(value);
    throw std::invalid_argument("formatNumber: \"" + type + "\" is not a numeric type nDP, nSF, nSCI or U");
}

std::optional<double> AgsFile::number(std::string_view field)
{
    // from_chars refuses a leading '+'; spreadsheets write one now and then.
    if (field.starts_with('+')) {
        field.remove_prefix(1);
        if (field.starts_with('-'))
            return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || ec != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}
