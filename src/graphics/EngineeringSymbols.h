#pragma once

#include <cstdint>
#include <vector>

class clsGRAFIK;

// The engineering symbols of a figure, drawn through the figure's clipped segments and
// arrowheads: circle arcs, terrain hatching, level triangles, load areas and
// section-force diagrams. Each runs under its own error title.
class EngineeringSymbols {
public:
    explicit EngineeringSymbols(clsGRAFIK& figure) : figure_(figure) {}

    void KREIS(float XMP, float YMP, float RP, float AL1, float AL2, int16_t LAGEPFEIL, int16_t BOKREISP, int16_t KO);
    void GELAENDESCHRAFFUR(float X1, float Y1, float H1, int16_t ANS, float BE, int16_t KO);
    void KOTENDREIECK(float PX, float PY, float DH, float RIWI, int16_t GW, int16_t VOLL);
    void LASTFLAECHEN(std::vector<float>& X, std::vector<float>& Y, int32_t P, int16_t IT);
    void SCHNITTKRAFT(float X1, float Y1, float X2, float Y2, float SHHH, int16_t TYP, float SY);

private:
    void segment(double x1, double y1, double x2, double y2);
    clsGRAFIK& figure_;
};
