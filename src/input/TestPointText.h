#pragma once

#include <optional>
#include <string>
#include <vector>

// Test results as text: rows pasted from a spreadsheet (tab-separated, decimal comma or
// point), or a CSV file with ';' and decimal comma or with ',' and decimal point. The
// first line may be a header. Empty cells are values not measured.
namespace TestPointText {

using Row = std::vector<std::optional<double>>;

struct Parsed {
    std::vector<Row> rows;            // numbers by row and column
    std::vector<std::string> header;  // the header's cells, when the text has one
    int badLine = 0;                  // 1-based line of the first cell that is no number
    std::string badCell;
    // Empty when every cell was read.
    std::string problem(bool english) const;
    // The widest row's number of cells.
    std::size_t columns() const;
};

// Rows of text: from a spreadsheet the cells are separated by tabs only (a line without a
// tab is one cell, whatever its decimal comma); from a file by ';' or ','.
enum class Source { Spreadsheet, File };
Parsed parse(const std::string& text, Source source = Source::File);
// A number with a decimal comma or point; nothing for an empty cell or other text.
std::optional<double> number(const std::string& cell);

}  // namespace TestPointText
