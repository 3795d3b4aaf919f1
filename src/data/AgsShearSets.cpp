#include "AgsShearSets.h"

#include "AgsFile.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>

namespace {

const char* const keyHeadings[] = {"LOCA_ID", "SAMP_TOP", "SAMP_REF", "SAMP_TYPE", "SAMP_ID", "SPEC_REF", "SPEC_DPTH"};
using Key = std::array<std::string, std::size(keyHeadings)>;

// A field of a row; empty where the group lacks the heading.
std::string field(const AgsGroup& group, const std::vector<std::string>& row, const std::string& heading)
{
    const int c = group.column(heading);
    return c < 0 ? std::string() : row[c];
}

Key keyOf(const AgsGroup& group, const std::vector<std::string>& row)
{
    Key key;
    for (size_t k = 0; k < key.size(); ++k)
        key[k] = field(group, row, keyHeadings[k]);
    return key;
}

std::string keyText(const Key& key)
{
    std::string text;
    for (const std::string& value : key)
        if (!value.empty())
            text += (text.empty() ? "" : "/") + value;
    return text;
}

std::map<std::string, std::string> fieldsOf(const AgsGroup& group, const std::vector<std::string>& row)
{
    std::map<std::string, std::string> fields;
    for (std::size_t c = 0; c < group.headings.size(); ++c)
        fields.emplace(group.headings[c], row[c]);
    return fields;
}

std::string describe(const AgsShearSets::Set& set)
{
    std::string text = set.locaId;
    const auto add = [&text](const std::string& what, const std::string& value) {
        if (!value.empty())
            text += (text.empty() ? "" : ", ") + what + value;
    };
    add("sample ", set.sampRef);
    add("specimen ", set.specRef);
    if (!set.specDesc.empty())
        text += (text.empty() ? "" : ": ") + set.specDesc;
    return text.empty() ? set.key : text;
}

}  // namespace

AgsShearSets::AgsShearSets(const AgsFile& file)
{
    const std::string name = file.path.string();
    const auto fail = [&name](int line, const std::string& rule) { return AgsError(line, rule, name); };

    const AgsGroup* shbg = file.group("SHBG");
    const AgsGroup* shbt = file.group("SHBT");
    if (!shbg)
        throw fail(0, "no SHBG group: the file holds no shear-box tests");
    if (!shbt)
        throw fail(0, "no SHBT group: the file holds no stages of its shear-box tests");

    std::map<Key, size_t> index;
    std::map<std::string, int> keyLines;  // two keys may read alike though their fields differ
    for (size_t r = 0; r < shbg->rows.size(); ++r) {
        const auto& row = shbg->rows[r];
        const Key key = keyOf(*shbg, row);
        Set set;
        set.key = keyText(key);
        set.line = shbg->rowLines[r];
        if (set.key.empty())
            throw fail(set.line, "SHBG row without any of the key fields LOCA_ID, SAMP_REF, SPEC_REF …");
        if (const auto it = keyLines.find(set.key); it != keyLines.end())
            throw fail(set.line, "SHBG row with the key " + set.key + " of the row on line " +
                                     std::to_string(it->second) + "; each test set needs a key of its own");
        set.locaId = key[0];
        set.sampRef = key[2];
        set.specRef = key[5];
        set.specDesc = field(*shbg, row, "SPEC_DESC");
        set.description = describe(set);
        set.fields = fieldsOf(*shbg, row);
        keyLines.emplace(set.key, set.line);
        index.emplace(key, sets_.size());
        sets_.push_back(std::move(set));
    }

    const int normal = shbt->column("SHBT_NORM"), peak = shbt->column("SHBT_PEAK");
    const int residual = shbt->column("SHBT_RES");
    for (const char* heading : {"SHBT_NORM", "SHBT_PEAK"})
        if (shbt->column(heading) < 0)
            throw fail(shbt->line, std::string("SHBT group without the heading ") + heading);
    for (const int c : {normal, peak, residual})
        if (c >= 0 && shbt->units[c] != "kPa")
            throw fail(shbt->unitLine,
                       shbt->headings[c] + " is in \"" + shbt->units[c] + "\"; stresses are read in kPa only");

    for (size_t r = 0; r < shbt->rows.size(); ++r) {
        const auto& row = shbt->rows[r];
        const int line = shbt->rowLines[r];
        const Key key = keyOf(*shbt, row);
        const auto it = index.find(key);
        if (it == index.end())
            throw fail(line, "SHBT row of " + keyText(key) + " has no SHBG row with its key");
        // A stress of the stage: a positive number, or none where it may be left empty.
        const auto stress = [&](int c, const char* what, bool required) -> std::optional<double> {
            const std::string& text = c < 0 ? std::string() : row[c];
            if (text.empty() && !required)
                return std::nullopt;
            if (text.empty())
                throw fail(line, std::string("stage without ") + what);
            const std::optional<double> value = AgsFile::number(text);
            if (!value)
                throw fail(line, std::string(what) + " \"" + text + "\" is not a number");
            if (*value <= 0)
                throw fail(line, std::string(what) + " " + text + " kPa is not positive");
            return value;
        };
        Stage stage;
        stage.normal = *stress(normal, "normal stress", true);
        stage.peak = *stress(peak, "peak shear stress", true);
        stage.residual = stress(residual, "residual shear stress", false);
        stage.line = line;
        stage.fields = fieldsOf(*shbt, row);
        sets_[it->second].stages.push_back(stage);
    }
}

const AgsShearSets::Set* AgsShearSets::find(const std::string& key) const
{
    const auto it = std::find_if(sets_.begin(), sets_.end(), [&key](const Set& set) { return set.key == key; });
    return it == sets_.end() ? nullptr : &*it;
}
