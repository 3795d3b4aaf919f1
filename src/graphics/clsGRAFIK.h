#pragma once

#include "graphics/FontSettings.h"
#include "graphics/ScaleChoice.h"
#include "graphics/SegmentClip.h"
#include "platform/Surface.h"
#include "platform/VbError.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class ErrorTrap;
class Session;
struct ScrollBar;

// The plotting object: one per figure and target. It places a figure frame on a target
// (picture box or paper, in millimetres), maps world coordinates into its plot area,
// fits and draws axis scales from the figure's row of table G0, and draws formula text,
// clipped polylines, circle arcs and engineering symbols.
class clsGRAFIK {
public:
    explicit clsGRAFIK(Session& session);

    // Binding and frame.
    void EOBJEKT(Surface& target);
    Surface* EOBJEKT() const { return target_; }
    ScrollBar* EXBALKEN = nullptr;
    ScrollBar* EYBALKEN = nullptr;
    void EID(int32_t id);  // the record whose G0 rows the figure reads and writes
    int32_t EID() const { return EID_; }
    int16_t EIDOBJEKT = 11;
    float EXDL = 0;
    float EYDO = 0;
    // Setting a frame size resets that axis to one neutral interval over the frame.
    void ELX(float width);
    void ELY(float height);
    float ELX() const { return ELX_; }
    float ELY() const { return ELY_; }

    // Axis settings.
    int16_t EAXEX = 1, EAXEY = 1;
    int16_t ESKTX = 0, ESKTY = 0;
    int16_t EBOXMIN = 0, EBOXMAX = 0, EBOYMIN = 0, EBOYMAX = 0;
    std::string ETEXTX, ETEXTY;
    std::string ESKZX = "####0", ESKZY = "####0";
    std::vector<float> ELXMIN, ELXDIFF, ELXIT, ELXZL;
    std::vector<float> ELYMIN, ELYDIFF, ELYIT, ELYZL;
    const std::vector<float>& ELXGIT() const { return ELXGIT_; }
    const std::vector<float>& ELYGIT() const { return ELYGIT_; }
    void ELXGIT(const std::vector<float>& list);  // also becomes ELXZL
    void ELYGIT(const std::vector<float>& list);
    void EXYIT(double coupling);  // rounded to 16-bit, halves to even
    int16_t EXYIT() const { return EXYIT_; }
    int16_t EPTYP = 0;

    // What the last scale pass left: orientation, margins, limits, scales, offsets.
    int16_t OX() const { return OX_; }
    int16_t OY() const { return OY_; }
    float RL() const { return RL_; }
    float RR() const { return RR_; }
    float RO() const { return RO_; }
    float RU() const { return RU_; }
    float XMIN() const { return XMIN_; }
    float XMAX() const { return XMAX_; }
    float YMIN() const { return YMIN_; }
    float YMAX() const { return YMAX_; }
    float MX() const { return MX_; }
    float MY() const { return MY_; }
    float scrollX() const { return scrollX_; }
    float scrollY() const { return scrollY_; }
    float pixelsX() const { return pixelsX_; }
    float pixelsY() const { return pixelsY_; }
    const std::optional<SurfaceFont>& fontSlot(int slot) const { return fonts_.at(slot); }
    const ScaleChoice::Axis& xAxis() const { return xAxis_; }
    const ScaleChoice::Axis& yAxis() const { return yAxis_; }

    // Sets frame geometry directly, for figures drawn without a G0 row.
    void setFrame(int16_t ox, int16_t oy, float rl, float rr, float ro, float ru);
    void setLimits(float xmin, float xmax, float ymin, float ymax, float mx, float my);

    void KOORDTRANS(float X, float Y, float& XP, float& YP);
    void KOORDTRANSINV(float XP, float YP, float& X, float& Y, int16_t SKTX, int16_t SKTY);

    // Width in millimetres becomes pixels (1 for 0) and colour 0 black, in the caller's variables.
    void LINIENEINSTELLUNGEN(int16_t& LINIENART, float& LINIENBREITE, int32_t& FARBE);
    void LINIENEINSTELLUNGEN(int LINIENART, double LINIENBREITE, long FARBE);
    void SCHRIFTEINSTELLUNGEN(const std::string& SCHRIFTART, int16_t SCHRIFTGROESSE, int16_t FETT,
                              int16_t UNTERSTRICHEN, int16_t KURSIV, int32_t FARBE);

    void SKALEN(int16_t NR, const std::vector<float>& X = {}, const std::vector<float>& Y = {});

    // KO: 0 target mm, 1 world (clipped to the plot area), 2 mm in the frame. A numeric
    // text in scientific notation is rewritten in the caller's variable.
    void TEXT(float X, float Y, std::string& text, int16_t KO, int16_t AL, int16_t ARX, int16_t ARY);
    void TEXT(float X, float Y, const std::string& text, int16_t KO, int16_t AL, int16_t ARX, int16_t ARY);

    // On a logarithmic axis the caller's arrays are replaced by their logarithms.
    void POLYGON(std::vector<float>& X, std::vector<float>& Y, int16_t PSIT = 0, int16_t PSTYP = 0, int16_t PNR = 0,
                 const std::string& text = {}, int16_t LAGETEXT = 0, int16_t LAGEPFEIL = 0, int16_t FARBEN = 0,
                 const std::vector<int16_t>* BOL = nullptr);

    void KREIS(float XMP, float YMP, float RP, float AL1, float AL2, int16_t LAGEPFEIL, int16_t BOKREISP, int16_t KO);
    void PFEIL(float PX1, float PY1, float PX2, float PY2);
    void GELAENDESCHRAFFUR(float X1, float Y1, float H1, int16_t ANS, float BE, int16_t KO);
    void KOTENDREIECK(float PX, float PY, float DH, float RIWI, int16_t GW, int16_t VOLL);
    void LASTFLAECHEN(std::vector<float>& X, std::vector<float>& Y, int32_t P, int16_t IT);
    void SCHNITTKRAFT(float X1, float Y1, float X2, float Y2, float SHHH, int16_t TYP, float SY);

    // Decimal logarithm, 0 for arguments not above 0.
    static float LOG10(double value);
    // Ordinate at X of the line through (X1, Y1) and (X2, Y2); a message and 0 when X1 = X2.
    float LININT(float X1, float X2, float X, float Y1, float Y2);
    // Direction of the vector in radians, [0, 2π), in target coordinates.
    static float RICHTUNG(float X1, float Y1, float X2, float Y2);

    // One segment in target mm clipped to the plot area; with a colour, the clamped box.
    void STRECKE(float X1, float Y1, float X2, float Y2, int32_t FARBE);
    // Measured points in world coordinates as small black circles, without lines between
    // them; points outside the plot area are left out, as curves are clipped there.
    void measuredPoints(const std::vector<float>& X, const std::vector<float>& Y);

private:
    // The plot area on the target, in millimetres (no scroll offset).
    struct Area {
        float left, right, top, bottom;
    };
    Area plotArea() const;
    // Point symbols 0 … 7 at a target point (millimetres).
    void drawSymbol(int type, float x, float y);

    friend class AxisPainter;
    friend class EngineeringSymbols;

    ErrorTrap trap(const std::string& title, const char* prefix = ErrorPrefix::engine) const;
    ErrorTrap longTrap(const std::string& title) const;
    Surface& target() const;
    void resetAxis(std::vector<float>& min, std::vector<float>& diff, std::vector<float>& it, std::vector<float>& git,
                   std::vector<float>& zl, float length);
    void scrollBars();
    // The polyline through the points, clipped to the plot area (BOL: which segments).
    void drawCurve(const std::vector<float>& xs, const std::vector<float>& ys, const std::vector<int16_t>* BOL);
    void clipSegment(float X1, float Y1, float X2, float Y2);
    // The part of a segment inside the plot area `edges` (plotEdges()), if any.
    SegmentClip::Edges plotEdges() const;
    std::optional<SegmentClip::Segment> clipped(const SegmentClip::Edges& edges, float X1, float Y1, float X2,
                                                float Y2);

    Session& session_;
    Surface* target_ = nullptr;
    int32_t EID_ = 0;
    float ELX_ = 0, ELY_ = 0;
    float pixelsX_ = 0, pixelsY_ = 0;
    int16_t OX_ = 0, OY_ = 0;
    float RL_ = 0, RR_ = 0, RO_ = 0, RU_ = 0;
    float XMIN_ = 0, XMAX_ = 0, YMIN_ = 0, YMAX_ = 0;
    float MX_ = 0, MY_ = 0, MYMX_ = 0;
    float scrollX_ = 0, scrollY_ = 0;
    FontSettings::Slots fonts_;
    std::vector<float> ELXGIT_, ELYGIT_;
    int16_t EXYIT_ = 0;
    ScaleChoice::Axis xAxis_, yAxis_;
};
