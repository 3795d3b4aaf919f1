#include "RecordRules.h"

#include "laws/ShearLaw.h"
#include "platform/TextPair.h"
#include "platform/Variant.h"
#include "platform/VbError.h"

#include <cmath>
#include <set>
#include <tuple>

namespace {

std::string number(float value)
{
    return std::isfinite(value) ? vb::singleText(value) : (value > 0 ? "∞" : "-∞");
}

// "σa = 0 muss größer als 0 sein." and its English twin.
std::string aboveZero(const std::string& column, float value, bool english)
{
    const std::string name = RecordRules::label(column, english);
    return name + " = " + number(value) + TextPair{" muss größer als 0 sein.", " must be greater than 0."}.in(english);
}

}  // namespace

std::string RecordRules::label(const std::string& column, bool english)
{
    static const std::map<std::string, TextPair> labels = {
        {"KEN", {"Datensatz", "File"}},
        {"SIB", {"σb", "σb"}},
        {"A", {"a", "a"}},
        {"C", {"c", "c"}},
        {"AR", {"ar", "ar"}},
        {"CR", {"cr", "cr"}},
        {"AB", {"a (Boden)", "a (soil)"}},
        {"CB", {"c (Boden)", "c (soil)"}},
        {"ARB", {"ar (Boden)", "ar (soil)"}},
        {"CRB", {"cr (Boden)", "cr (soil)"}},
        {"SIA", {"σa", "σa"}},
        {"SIMAX", {"σmax", "σmax"}},
        {"SI1", {"σ1", "σ1"}},
        {"SI2", {"σ2", "σ2"}},
        {"N", {"Unterteilungen", "Subdivisions"}},
    };
    const auto found = labels.find(column);
    if (found == labels.end())
        return column;
    return found->second.in(english);
}

std::vector<std::string> RecordRules::problems(const Values& v, bool english)
{
    std::vector<std::string> found;
    if (v.KEN == "M")
        found.push_back(TextPair{"Die Kennzeichnung M ist für das Programm reserviert.",
                                 "The identification M is reserved for the program."}
                            .in(english));
    if (!(v.SIB > 0))
        found.push_back(aboveZero("SIB", v.SIB, english));
    if (!(v.SIA > 0))
        found.push_back(aboveZero("SIA", v.SIA, english));
    if (!(v.SIMAX > v.SIA))
        found.push_back(TextPair{"σmax = " + number(v.SIMAX) + " muss größer als σa = " + number(v.SIA) + " sein.",
                                 "σmax = " + number(v.SIMAX) + " must be greater than σa = " + number(v.SIA) + "."}
                            .in(english));
    for (const auto& [column, value] : {std::pair{"SI1", v.SI1}, std::pair{"SI2", v.SI2}}) {
        if (!(value >= v.SIA && value <= v.SIMAX))
            found.push_back(
                label(column, english) + " = " + number(value) +
                TextPair{" muss zwischen σa = " + number(v.SIA) + " und σmax = " + number(v.SIMAX) + " liegen.",
                         " must lie between σa = " + number(v.SIA) + " and σmax = " + number(v.SIMAX) + "."}
                    .in(english));
    }
    if (!(v.N > 0))
        found.push_back("N = " + std::to_string(v.N) +
                        TextPair{" muss größer als 0 sein.", " must be greater than 0."}.in(english));
    // tan φ has no value at 90°; the soil's angles count only when the soil has values.
    std::vector<std::pair<const char*, float>> angles = {{"A", v.A}, {"AR", v.AR}};
    if (v.AB != 0)
        angles.insert(angles.end(), {{"AB", v.AB}, {"ARB", v.ARB}});
    for (const auto& [column, value] : angles) {
        if (!(std::fabs(value) < 90))
            found.push_back(
                label(column, english) + " = " + number(value) +
                TextPair{"° muss zwischen -90° und 90° liegen.", "° must lie between -90° and 90°."}.in(english));
    }
    // Over the stress range φ = a + c · lg(σ/σb) stays below 90° too: its ends are at σa and σmax.
    std::vector<std::tuple<const char*, const char*, float, float>> laws = {{"A", "C", v.A, v.C},
                                                                            {"AR", "CR", v.AR, v.CR}};
    if (v.AB != 0)
        laws.insert(laws.end(), {{"AB", "CB", v.AB, v.CB}, {"ARB", "CRB", v.ARB, v.CRB}});
    const bool rangeKnown = v.SIB > 0 && v.SIA > 0 && v.SIMAX > v.SIA;
    for (const auto& [aColumn, cColumn, a, c] : laws) {
        if (!(std::fabs(a) < 90))
            continue;  // said above
        bool inside = std::isfinite(c);
        for (float sigma : {v.SIA, v.SIMAX})
            inside = inside && (!rangeKnown || std::fabs(ShearLaw::phi(sigma, a, c, v.SIB)) < 90);
        if (!inside)
            found.push_back(label(aColumn, english) + " + " + label(cColumn, english) + " · lg(σ/σb) = φ" +
                            TextPair{" muss von σa bis σmax zwischen -90° und 90° liegen (",
                                     " must lie between -90° and 90° from σa to σmax ("}
                                .in(english) +
                            label(cColumn, english) + " = " + number(c) + ").");
    }
    return found;
}

std::string RecordRules::missingIdentification(bool english)
{
    return TextPair{"Datensatzkennzeichnung fehlt!", "File name is missing!"}.in(english);
}

std::string RecordRules::formProblem(const std::map<std::string, std::string>& texts, bool english)
{
    const auto text = [&texts](const std::string& column) {
        const auto found = texts.find(column);
        return found == texts.end() ? std::string() : found->second;
    };
    Values values;
    values.KEN = text("KEN");
    if (values.KEN.find_first_not_of(" \t") == std::string::npos)
        return missingIdentification(english);
    float n = 0;
    const std::pair<const char*, float*> fields[] = {{"SIB", &values.SIB},     {"A", &values.A},
                                                     {"C", &values.C},         {"AR", &values.AR},
                                                     {"CR", &values.CR},       {"AB", &values.AB},
                                                     {"CB", &values.CB},       {"ARB", &values.ARB},
                                                     {"CRB", &values.CRB},     {"SIA", &values.SIA},
                                                     {"SIMAX", &values.SIMAX}, {"SI1", &values.SI1},
                                                     {"SI2", &values.SI2},     {"N", &n}};
    // Fields a record cannot do without; the others stand for 0 when empty.
    const std::set<std::string> required = {"SIB", "A", "SIA", "SIMAX", "SI1", "SI2", "N"};
    for (const auto& [column, target] : fields) {
        const std::string value = text(column);
        if (value.find_first_not_of(" \t") == std::string::npos) {
            if (required.count(column))
                return label(column, english) + TextPair{": Wert fehlt!", ": the value is missing!"}.in(english);
            continue;
        }
        try {
            const Variant number(value);
            if (!number.isNumeric())
                throw VbError::of(VbError::TypeMismatch);
            *target = number.toSingle();
        } catch (const VbError&) {
            return label(column, english) +
                   TextPair{": Eingegeber Wert ist kein gültiges Zahlenformat!", ": Type of value is not numeric!"}.in(
                       english);
        }
    }
    if (n != std::trunc(n) || std::fabs(n) > 32767)
        return label("N", english) +
               TextPair{": Eingegeber Wert ist keine ganze Zahl!", ": Type of value is not an integer!"}.in(english);
    values.N = static_cast<int32_t>(n);
    const std::vector<std::string> found = problems(values, english);
    return found.empty() ? std::string() : found.front();
}
