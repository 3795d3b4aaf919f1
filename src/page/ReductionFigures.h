#pragma once

#include <cstdint>
#include <vector>

class Seite1;
class clsGRAFIK;

// Figures 15 and 16: the reduction factor f = τ(contact) / τ(soil), peak and residual,
// over the normal stress, on the x axis of figure 11 and a fixed range 0 to 1.
class ReductionFigures {
public:
    explicit ReductionFigures(Seite1& page) : page_(page) {}
    void BILD15(int16_t OBJ, float XDL, float YDO);
    void BILD16(int16_t OBJ, float XDL, float YDO);

private:
    // Skeleton, shared x axis, y axis 0 … 1 (copied from figure 15 for figure 16).
    clsGRAFIK& frame(int16_t figure, int16_t OBJ, float XDL, float YDO);
    // The factor curve in blue, broken where it has no value; a note instead when the
    // record has no soil values.
    void curve(clsGRAFIK& g, const std::vector<float>& f);

    Seite1& page_;
};
