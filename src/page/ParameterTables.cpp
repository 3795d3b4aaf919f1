#include "ParameterTables.h"

#include "page/Seite1.h"
#include "platform/Locale.h"
#include "platform/NumberFormat.h"
#include "platform/Session.h"
#include "platform/TextPair.h"

namespace {

// A column of cells from top to bottom.
using Column = std::vector<Variant>;

// The first columns followed by the column groups, left to right.
clsTABELLE::Cells join(clsTABELLE::Cells columns, std::initializer_list<clsTABELLE::Cells> groups)
{
    for (const clsTABELLE::Cells& group : groups)
        columns.insert(columns.end(), group.begin(), group.end());
    return columns;
}

}  // namespace

Variant ParameterTables::soil(float value) const
{
    return page_.state().AB != 0 ? Variant(value) : Variant("-");
}

Variant ParameterTables::coulomb(float value) const
{
    return page_.state().values.coulomb ? Variant(value) : Variant("");
}

void ParameterTables::draw(Surface& target, const Layout& layout, const clsTABELLE::Cells& header,
                           const clsTABELLE::Cells& body)
{
    PageState& s = page_.state();
    clsTABELLE table(page_.session().messages());
    table.EOBJEKT(target);
    table.EXDL = layout.XDL;
    table.EYDO = layout.YDO;
    table.ERZ = layout.ERZ;
    table.ERO = layout.ERO;
    table.ERU = 1;
    table.ELSB = layout.ELSB;
    table.ELGIT = layout.ELGIT;
    table.ELGITLEER = layout.ELGITLEER;
    table.EZA = 1;
    table.ELA = layout.ELA;
    table.ELFORMAT.assign(layout.ELSB.size(), "#0.00");
    table.ELFORMAT[0] = "";
    table.LINIENEINSTELLUNGEN(0, 0, 0);
    table.SCHRIFTEINSTELLUNGEN("", layout.fontSize, 0, 0, 0, 0);
    table.TABELLE(header, clsTABELLE::Header);
    table.TABELLE(body, clsTABELLE::Body);
    if (layout.fitLines != Layout::FitLines::None)
        drawFitLines(table, layout.fitLines == Layout::FitLines::Wide);
    table.SCHRIFTEINSTELLUNGEN("", 9, -1, 0, 0, 0);
    if (layout.title)
        table.TITEL(s.text({"Scherparameter", "Shear parameter"}));
}

std::vector<Variant> ParameterTables::lawNames(bool wide) const
{
    const PageState& s = page_.state();
    if (wide)
        return {s.text({"Kontaktscherfestigkeit {g,1}t{t,1}f", "Contact shear strength {g,1}t{t,1}f"}),
                s.text({"Kontaktrestfestigkeit {g,1}t{t,1}r", "Contact residual shear strength {g,1}t{t,1}r"}),
                s.text({"Scherfestigkeit {g,1}t{t,1}f des Bodens", "Soil shear strength {g,1}t{t,1}f"}),
                s.text({"Restfestigkeit {g,1}t{t,1}r des Bodens", "Soil residual shear strength {g,1}t{t,1}r"})};
    return {s.text({"K. scherf. {g,1}t{t,1}f", "C. shear st. {g,1}t{t,1}f"}),
            s.text({"K. restf. {g,1}t{t,1}r", "C. r. shear st. {g,1}t{t,1}r"}),
            s.text({"Scherf. {g,1}t{t,1}f", "Shear st. {g,1}t{t,1}f"}),
            s.text({"Restf. {g,1}t{t,1}r", "R. shear st. {g,1}t{t,1}r"})};
}

void ParameterTables::drawFitLines(clsTABELLE& table, bool wide)
{
    const PageState& s = page_.state();
    if (!s.hasLanguage())
        return;
    // The narrow names keep the lines short: on paper the soil's laws stand in a second
    // column, so the notes fit above the figures below the table.
    const std::vector<Variant> names = lawNames(false);
    const float left = table.EXDL;
    int16_t line = 0;
    for (std::size_t law = 0; law < s.fits.size(); ++law) {
        if (!s.fits[law])
            continue;
        // R² with the separator of the table cells above it, whatever the note's language.
        const std::string value = vb::format(s.fits[law]->r2, "0.000");
        const std::string n = std::to_string(s.fits[law]->n);
        if (wide && law == 2) {
            table.EXDL = left + table.tableWidth() / 2;
            line = 0;
        }
        table.FUSSNOTE(names[law].text() + ": " +
                           TextPair{"Anpassung an " + n + " Versuchswerte, R² = " + value,
                                    "Fitted to " + n + " test results, R² = " + value}
                               .in(s.SPR != Locale::German),
                       line++);
    }
    table.EXDL = left;
}

clsTABELLE::Cells ParameterTables::mohrHeader() const
{
    const PageState& s = page_.state();
    return {Column{s.text({"Mohrsche Bruchbedingung", "Mohr failure criterion"}), "{g,1}j{t,1}1, {g,1}j{t,2}r1", "[°]"},
            Column{"", "a, a{t,1}r", "[°]"}, Column{"", "c, c{t,1}r", "[°]"}};
}

clsTABELLE::Cells ParameterTables::mohrValues() const
{
    const PageState& s = page_.state();
    return {Column{s.values.phi1, s.values.phir1, "", ""}, Column{s.A, s.AR, soil(s.AB), soil(s.ARB)},
            Column{s.C, s.CR, soil(s.CB), soil(s.CRB)}};
}

clsTABELLE::Cells ParameterTables::coulombHeader() const
{
    const PageState& s = page_.state();
    return {Column{s.text({"Coulombsche Bruchbedingung", "Coulomb failure criterion"}), "a, a{t,1}r", "[kN/m²]"},
            Column{"", "{g,1}d, {g,1}d{t,1}r", "[°]"}};
}

clsTABELLE::Cells ParameterTables::coulombValues(std::size_t rows) const
{
    const PageState& s = page_.state();
    clsTABELLE::Cells columns{Column{coulomb(s.values.cc), coulomb(s.values.ccr)}, Column{coulomb(s.values.phic), coulomb(s.values.phicr)}};
    for (Column& column : columns)
        column.resize(rows, Variant(""));
    return columns;
}

std::vector<std::vector<Variant>> ParameterTables::values() const
{
    clsTABELLE::Cells columns = join(mohrValues(), {coulombValues(4)});
    std::vector<std::vector<Variant>> laws(4);
    for (std::size_t law = 0; law < laws.size(); ++law) {
        for (const Column& column : columns) {
            const Variant& cell = column.at(law);
            laws[law].push_back(cell.isText() ? Variant(std::string()) : cell);
        }
    }
    return laws;
}

void ParameterTables::BILD17(int16_t OBJ, float XDL, float YDO)
{
    page_.trap("Bild 17").run({[&] {
        if (OBJ == 0)
            page_.box(17).clear();
        const clsTABELLE::Cells header = join({Column{"", "", ""}}, {mohrHeader()});
        const clsTABELLE::Cells body = join({lawNames(false)}, {mohrValues()});
        draw(page_.target(17, OBJ), {XDL, YDO, 1, 7, {21, 14, 14, 14}, {2, 1, 1}, {0, 1, 1, 0}, {0, 1, 1, 1}, 7, true},
             header, body);
    }});
}

void ParameterTables::BILD18(int16_t OBJ, float XDL, float YDO)
{
    page_.trap("Bild 18").run({[&] {
        const clsTABELLE::Cells header = join({Column{"", "", ""}}, {coulombHeader()});
        const std::vector<Variant> names = lawNames(false);
        const clsTABELLE::Cells body = join({Column(names.begin(), names.begin() + 2)}, {coulombValues(2)});
        draw(page_.target(18, OBJ),
             {XDL, YDO, 1, 40, {21, 18, 18}, {2, 1}, {0, 1, 0}, {0, 1, 1}, 7, false, Layout::FitLines::Narrow}, header,
             body);
    }});
}

void ParameterTables::BILD17D(int16_t OBJ, float XDL, float YDO)
{
    page_.trap("Bild 17D").run({[&] {
        const clsTABELLE::Cells header = join({Column{"", "", ""}}, {mohrHeader(), coulombHeader()});
        const clsTABELLE::Cells body = join({lawNames(true)}, {mohrValues(), coulombValues(4)});
        draw(page_.target(17, OBJ),
             {XDL,
              YDO,
              1.5f,
              7,
              {46, 21, 21, 21, 21, 21},
              {2, 1, 1, 2, 1},
              {0, 1, 1, 0, 1, 0},
              {0, 1, 1, 1, 1, 1},
              8,
              true,
              Layout::FitLines::Wide},
             header, body);
    }});
}
