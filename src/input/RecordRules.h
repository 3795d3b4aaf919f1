#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// What makes a record one that can be evaluated and drawn: the rules the input form checks
// at "OK" and the page checks again for records that arrive otherwise (import, a file
// edited by hand). Every problem names the field by its label, in the language asked for.
namespace RecordRules {

struct Values {
    std::string KEN;
    float SIB = 0, A = 0, C = 0, AR = 0, CR = 0, AB = 0, CB = 0, ARB = 0, CRB = 0;
    float SIA = 0, SIMAX = 0, SI1 = 0, SI2 = 0;
    int32_t N = 0;
};

// The value rules: σb, σa and N above 0, σmax above σa, σ1 and σ2 within σa … σmax, the
// friction angles φ = a + c · lg(σ/σb) of the laws between -90° and 90° over the range (the
// soil's only when it has values), and the identification "M" kept for the program. One
// line per problem.
std::vector<std::string> problems(const Values& values, bool english);

// The form's texts by column name (KEN, SIB, A, … N). Every number is read as the form's
// fields hold it (the session's decimal separator); a field that is empty, not a number or
// beyond single precision is a problem, then the value rules apply; a blank identification
// comes first. The first problem, or
// empty when the record may be stored.
std::string formProblem(const std::map<std::string, std::string>& texts, bool english);

// The word for a record without identification.
std::string missingIdentification(bool english);

// The label of a column's field: "σa", "a (Boden)", "Unterteilungen" …
std::string label(const std::string& column, bool english);

}  // namespace RecordRules
