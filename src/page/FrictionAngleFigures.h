#pragma once

#include <cstdint>

class Seite1;

// Figures 13 and 14: the peak and residual contact friction angle over σ'/σb on a
// logarithmic axis, where the strength law is a straight line. Figure 14 keeps the
// ranges of figure 13.
class FrictionAngleFigures {
public:
    explicit FrictionAngleFigures(Seite1& page) : page_(page) {}
    void BILD13(int16_t OBJ, float XDL, float YDO);
    void BILD14(int16_t OBJ, float XDL, float YDO);

private:
    void normalizeGrid();
    Seite1& page_;
};
