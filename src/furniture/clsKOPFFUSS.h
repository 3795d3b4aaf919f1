#pragma once

#include "graphics/FontSettings.h"
#include "platform/Variant.h"

#include <cstdint>
#include <string>
#include <vector>

class MessageService;
class Surface;

// The head and foot of an output page: heading, record identifications, comment,
// project and page number at the top; worker, date and time, developer and issuer at
// the bottom, inside margins of 15 mm unless set otherwise.
class clsKOPFFUSS {
public:
    explicit clsKOPFFUSS(MessageService& messages);

    // The frame object's scale gives the page area; the target is drawn on.
    void AUSGABEOBJEKT(Surface& RAHMENOBJEKT, Surface& EOBJEKT);

    std::string BEARBEITER, COPYRIGHT, KOMMENTAR, UEBERSCHRIFT, PROGRAMMIERER;
    std::string PROJEKT = "TE0000.00";
    int16_t EBOKFS = -1;  // write the page number
    int16_t SEITE = 1, SEITENANZAHL = 1;
    int16_t SPRACHE = 3;
    VbDate DATUM, UHRZEIT;

    void KENNZEICHNUNG(const std::vector<Variant>& values);
    void KENNZEICHNUNG(const Variant& value);
    // "oben", "unten", "links", "rechts", or any other text for all four margins.
    void RANDABSTAND(const std::string& LAGE, float millimetres);

    void KOPFFUSSZEILE();

    // What the last head showed, and the margins in the target's units.
    const std::string& identificationLabel() const { return label_; }
    const std::string& identificationText() const { return identification_; }
    float marginTop() const { return top_; }
    float marginBottom() const { return bottom_; }
    float marginLeft() const { return left_; }
    float marginRight() const { return right_; }

private:
    void font(int16_t size, int16_t bold);
    void text(float x, float y, const std::string& content, int16_t ARX, int16_t ARY);
    Surface& target() const;

    MessageService& messages_;
    Surface* frame_ = nullptr;
    Surface* target_ = nullptr;
    FontSettings::Slots fonts_;
    float mmX_ = 0, mmY_ = 0;
    float top_ = 0, bottom_ = 0, left_ = 0, right_ = 0;
    std::vector<std::string> identifications_{""};
    std::string label_ = "Datensatz ";
    std::string identification_ = "1";
};
