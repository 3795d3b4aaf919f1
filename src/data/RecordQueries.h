#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The questions asked of a project's records, each written once: which records are
// selected, which the selection dialog lists, which a project passes on, a record's
// evaluation state, and the tables a record has rows in.
namespace RecordQueries {

// Which records of E1: combine with |.
enum Filter {
    All = 0,
    Selected = 1,  // marked in the selection dialog ([AKT] true)
    Listed = 2,    // shown by the selection dialog: the rows below ID 1 are no records
    PassedOn = 4,  // exported, or drawn by the sheet of every record: not the marker record "M"
};

// SELECT `columns` of the records the filters let through, in the order of their
// identifications when `byIdentification`.
std::string records(const std::string& columns, int filters, bool byIdentification = false);

// The evaluation state of a record: its row in A1 ([BONEU] true: the page is to be built anew).
std::string evaluationState(int32_t id, const std::string& columns = "[ID],[BONEU]");

// The tables that hold rows of a record (its test results in E3 aside, which not every
// project has).
const std::vector<std::string>& recordTables();

}  // namespace RecordQueries
