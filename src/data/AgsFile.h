#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// One group of an AGS4 file: its headings with their units and data types, and its DATA rows
// with the <CONT> lines joined in. Rows hold the fields after the descriptor, one per heading.
struct AgsGroup {
    std::string name;
    std::vector<std::string> headings, units, types;
    std::vector<std::vector<std::string>> rows;
    std::vector<int> rowLines;  // the physical line of each row's DATA line
    int line = 0;               // of the GROUP line
    int unitLine = 0;           // of the UNIT line, for errors about units

    // The index of a heading in headings and in each row; -1 when the group lacks it.
    int column(const std::string& heading) const;

    bool operator==(const AgsGroup&) const = default;
};

// A rule of the format the file breaks, or why it cannot be read: what() is
// "FILE: line N: RULE", without the file for text parsed alone and without the line where the
// fault belongs to the file as a whole (line 0).
struct AgsError : std::runtime_error {
    AgsError(int line, std::string rule, const std::string& file = {});

    int line;
    std::string rule;
    std::string file;
};

// An AGS4 data file (the transfer format of the Association of Geotechnical and
// Geoenvironmental Specialists): read whole or refused with the first rule it breaks, and
// written from groups. The reader checks the layout (quoted fields, descriptors in order,
// field counts, group and heading names) and the values of the numeric data types.
class AgsFile {
public:
    std::vector<AgsGroup> groups;
    std::filesystem::path path;  // the file read; empty for text parsed alone

    // Throws AgsError; a UTF-8 byte order mark at the start is skipped.
    static AgsFile parse(std::string_view text);
    // Files over 10 MB are refused before they are read. Throws AgsError naming the file.
    static AgsFile read(const std::filesystem::path& path);

    // nullptr when the file lacks the group.
    const AgsGroup* group(const std::string& name) const;

    // Every field quoted, CRLF line ends, a blank line between groups; line breaks inside a
    // field become spaces, since a field cannot span lines. Throws std::invalid_argument for a
    // group whose units, types or rows do not match its headings.
    std::string write() const;

    // The text of a value for the data types nDP (n decimals), nSF (n significant figures),
    // nSCI (n decimals in the mantissa) and U (the shortest text that reads back the same),
    // with a '.' whatever the locale; empty (no value) for infinity and NaN. Throws
    // std::invalid_argument for other types.
    static std::string formatNumber(double value, const std::string& type);

    // A field read as a number: the whole field, with an optional sign, decimals and exponent,
    // finite; none otherwise, also for an empty field. Locale-independent.
    static std::optional<double> number(std::string_view field);
};
