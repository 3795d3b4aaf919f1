#pragma once

#include "platform/Variant.h"

#include <fstream>
#include <string>
#include <vector>

struct PageState;

// The parameters of each sheet for spreadsheets and design programs: a CSV file (one header
// row, UTF-8, RFC 4180 quoting) and a JSON array of objects. Numbers in full precision with a
// decimal point whatever the locale; cells the sheet leaves empty or marks "-" are empty
// (null in JSON).
class ParameterExport {
public:
    // Empty paths write nothing.
    ParameterExport(const std::string& csvPath, const std::string& jsonPath);
    void add(const PageState& record, const std::vector<std::vector<Variant>>& laws);
    // False when a file could not be written.
    bool finish();

    // The column names, in order.
    static std::vector<std::string> columns();

private:
    std::ofstream csv_;
    std::ofstream json_;
    bool firstObject_ = true;
};
