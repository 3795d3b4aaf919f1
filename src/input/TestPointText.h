#pragma once

#include <optional>
#include <string>
#include <vector>

// Test results as text: rows pasted from a spreadsheet (tab-separated), or a CSV file with
// ';' and decimal comma or with ',' and decimal point. The first line may be a header.
// Empty cells are values not measured. Only one character is a decimal separator: the
// dialect's, or for tab-separated text the reader's; a cell with the other one ("1.000"
// where ',' is the separator) is no number, never a number with its thousands grouped.
namespace TestPointText {

using Row = std::vector<std::optional<double>>;

// The most text of test results read from a file: some ten thousand tests, where a record
// holds twenty. What is longer is no file of test results.
constexpr long long maximumBytes = 1 << 20;

struct Parsed {
    std::vector<Row> rows;            // numbers by row and column
    std::vector<std::string> header;  // the header's cells, when the text has one
    int badLine = 0;                  // 1-based line and column of the first cell that is no number
    int badColumn = 0;
    std::string badCell;
    // Empty when every cell was read.
    std::string problem(bool english) const;
    // The widest row's number of cells.
    std::size_t columns() const;
};

// Rows of text: from a spreadsheet the cells are separated by tabs only (a line without a
// tab is one cell); from a file by tabs, ';' or ','. `decimal` is the decimal separator of
// tab-separated text.
enum class Source { Spreadsheet, File };
Parsed parse(const std::string& text, char decimal, Source source = Source::File);
// A number with `decimal` as its decimal separator; nothing for an empty cell or other text.
std::optional<double> number(const std::string& cell, char decimal);

}  // namespace TestPointText
