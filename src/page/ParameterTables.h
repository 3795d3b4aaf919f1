#pragma once

#include "furniture/clsTABELLE.h"

#include <cstdint>
#include <initializer_list>
#include <string>

class Seite1;

// The shear parameter tables: figure 17 (Mohr parameters) and figure 18 (Coulomb
// parameters) in the right-hand box of the screen page, and the wide figure 17D that
// joins both on paper.
class ParameterTables {
public:
    explicit ParameterTables(Seite1& page) : page_(page) {}
    void BILD17(int16_t OBJ, float XDL, float YDO);
    void BILD18(int16_t OBJ, float XDL, float YDO);
    void BILD17D(int16_t OBJ, float XDL, float YDO);

    // The table values of the four laws (contact, residual contact, soil, residual soil), each
    // φ1, a, c, Coulomb adhesion and δ; empty text where the table shows "-" or nothing.
    std::vector<std::vector<Variant>> values() const;

private:
    struct Layout {
        float XDL, YDO, ERZ, ERO;
        std::vector<float> ELSB;
        std::vector<int16_t> ELGIT, ELGITLEER, ELA;
        int16_t fontSize;
        bool title;
        // One line per law fitted to test results below the table, naming the law as the
        // narrow or the wide table does.
        enum class FitLines { None, Narrow, Wide } fitLines = FitLines::None;
    };
    void draw(Surface& target, const Layout& layout, const clsTABELLE::Cells& header, const clsTABELLE::Cells& body);
    // The names of the four laws as the rows of the narrow screen tables or of the wide
    // printed one show them.
    std::vector<Variant> lawNames(bool wide) const;
    // "Anpassung an n Versuchswerte, R² = 0,987" for each law fitted to test results.
    void drawFitLines(clsTABELLE& table, bool wide);
    // Soil values, or "-" when the record has no soil law (ab = 0).
    Variant soil(float value) const;
    // Coulomb values, empty when there is no Coulomb line.
    Variant coulomb(float value) const;
    // Header and value columns of the Mohr and of the Coulomb parameters; the values list
    // the contact above the soil, and the soil has no Coulomb values.
    clsTABELLE::Cells mohrHeader() const;
    clsTABELLE::Cells mohrValues() const;
    clsTABELLE::Cells coulombHeader() const;
    clsTABELLE::Cells coulombValues(std::size_t rows) const;
    Seite1& page_;
};
