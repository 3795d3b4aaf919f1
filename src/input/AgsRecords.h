#pragma once

#include "data/AgsFile.h"
#include "data/AgsShearSets.h"
#include "data/TestPoints.h"
#include "input/RecordRules.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class Connection;

// Records and AGS4 files of shear-box tests. In: a record made from a contact test set and,
// optionally, a soil test set (σ' = SHBT_NORM, τf = SHBT_PEAK, τr = SHBT_RES of the contact,
// τB and τBr the soil's at the same σ'), its laws fitted to the stages, its range the stages'.
// Out: a project's records as SHBG rows with the secant parameters between σ1 and σ2 in the
// format's own headings and the log-linear laws and the range in headings of this program
// (declared in DICT), their test results as SHBT rows. A file this program wrote gives its
// records back as they were: the laws and the range are taken from it, not fitted anew.
namespace AgsRecords {

struct Record {
    RecordRules::Values values;  // KEN, σb, the four laws, the range and N
    std::string KOM;
    std::vector<ShearTestPoint> points;
};

// The headings of this program in SHBG and SHBT, with the record's column each holds.
struct Heading {
    const char* heading;
    const char* column;
    const char* description;
};
extern const std::vector<Heading> lawHeadings;
extern const std::vector<Heading> stageHeadings;

// The record of the sets, or why there is none (in English or German): a set without
// residual shear stresses, a law that cannot be fitted, more than 20 stresses, a record the
// rules refuse.
std::variant<Record, std::string> make(const AgsShearSets::Set& contact, const AgsShearSets::Set* soil,
                                       float sigmaB, bool english);

// Adds the record to the project as a new record, the only selected one, in one transaction;
// its identifier. A record of the same identification is left as it is: then 0.
int32_t store(const std::shared_ptr<Connection>& db, const Record& record, int16_t language);

// The project's records (all but "M", or those with the given identifications) as a file.
// Identifications the project lacks are listed in `missing`.
AgsFile exportFile(const std::shared_ptr<Connection>& db, const std::string& project,
                   const std::vector<std::string>& identifications, std::vector<std::string>& missing);

}  // namespace AgsRecords
