#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

class AgsFile;

// The shear-box tests of an AGS4 file: one set per SHBG row, its stages the SHBT rows with
// the same key fields LOCA_ID, SAMP_TOP, SAMP_REF, SAMP_TYPE, SAMP_ID, SPEC_REF and SPEC_DPTH
// (their texts compared; a heading a group lacks counts as empty). Stresses in kPa as the
// file gives them; a file in other units is refused rather than converted.
class AgsShearSets {
public:
    struct Stage {
        double normal = 0, peak = 0;     // SHBT_NORM, SHBT_PEAK
        std::optional<double> residual;  // SHBT_RES; none where not measured
        int line = 0;                    // of the SHBT row
        std::map<std::string, std::string> fields;  // the row's fields by heading
    };
    struct Set {
        // The non-empty key fields in the order above joined by "/", e.g. "BH1/1.50/U1/U/A":
        // what the user names a set by on the command line. Unique within the file.
        std::string key;
        std::string locaId, sampRef, specRef, specDesc;  // SPEC_DESC empty where SHBG lacks it
        // For a list to choose from: "BH1, sample U1, specimen A: Firm brown CLAY".
        std::string description;
        std::vector<Stage> stages;  // in the order of the file
        int line = 0;               // of the SHBG row
        std::map<std::string, std::string> fields;  // the SHBG row's fields by heading
    };

    // Throws AgsError, naming the file and the line, for a file without SHBG or SHBT group,
    // without the heading SHBT_NORM or SHBT_PEAK, with stresses not in kPa, a key given twice
    // or not at all, a stage without a positive normal stress and peak (or with a residual
    // that is given and not positive), or an SHBT row without its SHBG row. A set may have
    // fewer than two stages: whether that is enough is for its reader to say (a file of
    // design parameters carries its laws without tests).
    explicit AgsShearSets(const AgsFile& file);

    const std::vector<Set>& sets() const { return sets_; }
    // nullptr when no set has the key.
    const Set* find(const std::string& key) const;

private:
    std::vector<Set> sets_;
};
