#pragma once

#include <cstdint>

class Seite1;
struct TextPair;

// Figures 11 and 12: the peak and residual contact shear strength over the normal
// stress, each with its Mohr curve, the Coulomb line through σ1 and σ2 and red markers
// at those stresses. Figure 11 computes the stress grid that every later figure uses.
class ShearFigures {
public:
    explicit ShearFigures(Seite1& page) : page_(page) {}
    void BILD11(int16_t OBJ, float XDL, float YDO);
    void BILD12(int16_t OBJ, float XDL, float YDO);

private:
    void captions(int16_t figure, const TextPair& title);
    Seite1& page_;
};
