#pragma once

#include "graphics/FontSettings.h"
#include "platform/Variant.h"

#include <cstdint>
#include <string>
#include <vector>

class MessageService;
struct ScrollBar;
class Surface;

// A ruled table on a target, drawn in up to three stacked parts (header, body, foot),
// each framed by a double line, with rules between the columns, header cells spanning
// columns, per-column formats and alignments, and a window of body rows chosen by a
// scroll bar when the body does not fit into a picture box.
class clsTABELLE {
public:
    // Cell values indexed [column][row].
    using Cells = std::vector<std::vector<Variant>>;
    enum Part : int16_t { Header = 0, Body = 1, Foot = 2 };

    explicit clsTABELLE(MessageService& messages);

    void EOBJEKT(Surface& target);
    Surface* EOBJEKT() const { return target_; }
    ScrollBar* EYBALKEN = nullptr;

    float EXDL = 0, EYDO = 0;
    float ERO = 2.5f, ERU = 2.5f, ERL = 2.5f;
    float ERZ = 1.5f;                   // space between a frame and the first or last text line
    float EZA = 1;                      // line spacing factor
    float EZH = 0;                      // text line height; measured when 0 or less
    std::vector<int16_t> ELA;           // 0 left, 1 centre, 2 right, 3 decimal point
    std::vector<float> ELSB;            // column widths
    std::vector<std::string> ELFORMAT;  // number pattern or "SYMBOL"
    std::vector<int16_t> ELGIT;         // rule after a column: 0 none, 1 single, 2 double
    std::vector<int16_t> ELGITLEER;     // header rows in which the rule after a column is left out
    int16_t EEZ = 0, ELZ = 0;           // first and last body row drawn

    float HOEHE() const { return headerHeight_ + bodyHeight_; }
    float tableWidth() const { return width_; }
    float footHeight() const { return footHeight_; }

    void LINIENEINSTELLUNGEN(int16_t LINIENART, float& LINIENBREITE, int32_t FARBE);
    void LINIENEINSTELLUNGEN(int LINIENART, double LINIENBREITE, long FARBE);
    void SCHRIFTEINSTELLUNGEN(const std::string& SCHRIFTART, int16_t SCHRIFTGROESSE, int16_t FETT,
                              int16_t UNTERSTRICHEN, int16_t KURSIV, int32_t FARBE);

    // Draws one part: 0 header, 1 body, 2 foot. A cell array with fewer rows than the
    // body window selects raises to the caller.
    void TABELLE(const Cells& X, int16_t POSITION);
    void TITEL(const std::string& TXT);
    // A note below the table; ZEILE counts the lines of notes from 0.
    void FUSSNOTE(const std::string& TXT, int16_t ZEILE = 0);

private:
    Surface& target() const;
    float partHeight(int rows) const;
    void chooseBodyWindow(int lastRow);
    int rowsFitting(float start, float limit) const;
    void drawCell(const Variant& value, int column, float x, float w, float y);
    void drawSymbol(int number, float x, float y);
    void text(float x, float y, const std::string& text, int16_t ARX, int16_t ARY);

    MessageService& messages_;
    Surface* target_ = nullptr;
    FontSettings::Slots fonts_;
    float pixelsX_ = 0, pixelsY_ = 0;
    float width_ = 0;
    float headerHeight_ = 0, bodyHeight_ = 0, footHeight_ = 0;
};
