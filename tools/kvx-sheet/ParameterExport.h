#pragma once

#include "laws/SlidingCheck.h"
#include "platform/Variant.h"

#include <optional>

#include <string>
#include <vector>

class QIODevice;
struct PageState;

// The parameters of each sheet for spreadsheets and design programs: a CSV file (one header
// row, UTF-8, RFC 4180 quoting) and a JSON array of objects. Numbers in full precision with a
// decimal point whatever the locale; cells the sheet leaves empty or marks "-" are empty
// (null in JSON).
class ParameterExport {
public:
    // Into the devices the caller keeps open; nullptr writes nothing.
    ParameterExport(QIODevice* csv, QIODevice* json);

    // What a sheet gives the tables: its texts and numbers, small enough to keep for many
    // sheets drawn on other threads until their turn comes.
    struct Row {
        std::string KEN, KOM;
        int16_t language = 0;
        std::vector<Variant> cells;
    };
    // The record's check of a cover on a slope, where it has one that can be checked, fills the
    // slope columns.
    static Row row(const PageState& record, const std::vector<std::vector<Variant>>& laws,
                   const std::optional<SlidingCheck::Slope>& slope);
    void add(const Row& row);
    // Ends the JSON array; false when a device could not be written.
    bool finish();

    // The column names, in order.
    static std::vector<std::string> columns();

private:
    void write(QIODevice* device, const std::string& text);

    QIODevice* csv_;
    QIODevice* json_;
    bool firstObject_ = true;
    bool written_ = true;
};
