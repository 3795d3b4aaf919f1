#pragma once

#include "laws/SlidingCheck.h"
#include "page/OutputPage.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Seite1;

// Output page 2 of a record with a slope check: whether a cover soil slides on the contact
// beneath it, with the angles the record's laws give at the stress on the slip surface. A
// table of inputs and results (figure 22) and the factor of safety over the inclination of
// the slope (figure 21), on a landscape screen page and on A4, under page 1's header. The
// record, its context and its session are page 1's, which outlives this page.
class Seite2 : public OutputPage {
public:
    // Page 1 has loaded a record with a check (its state's slope).
    explicit Seite2(Seite1& first, SurfaceFactory surfaces = screen());
    ~Seite2() override;

    // Draws the screen page.
    void draw();

    int number() const override { return 2; }
    Surface& page() override { return *page_; }
    std::vector<Box> boxes() override;
    Surface& box(int figure) override { return *boxes_.at(figure - 21); }
    PageState& state() override;
    void KONTEXT(bool HBOKF, bool HBOKFS, uint32_t pageColour, uint32_t pictureColour) override;
    void DRUCKEN(Surface& printer) override;
    void ZOOM(double dpi) override;

    // Why the stored slope cannot be checked, in the page's language; empty when it can.
    std::string problem() const;
    // The check of the record's slope; none when it cannot be checked.
    const std::optional<SlidingCheck::Checked>& result() const { return result_; }
    // Where σn lies outside the record's stress range or the σ' of its tests, the notes that
    // say so; none otherwise.
    std::vector<std::string> rangeNotes() const;

    // The factor of safety over the inclination 1 : n, n from 1.5 to 5 (or the design slope's
    // n, when flatter, up to 20) in steps of 0.05: the wedges', or the infinite slope's without
    // a soil law; NaN where the slope cannot be checked. Empty when the record's slope cannot.
    struct Curve {
        std::vector<float> n, peak, residual;
    };
    Curve curve() const;

    // Box 21 holds the figure, box 22 the table.
    static Place place(int figure);

private:
    void BILD21(int16_t OBJ, float XDL, float YDO);
    void BILD22(int16_t OBJ, float XDL, float YDO);
    // The text in the page's language.
    std::string text(const char* german, const char* english) const;
    SlidingCheck::RecordLaws laws() const;
    // The table's rows: label, unit, peak, residual.
    std::vector<std::array<std::string, 4>> rows() const;

    Seite1& first_;
    std::unique_ptr<Surface> page_;
    std::array<std::unique_ptr<Surface>, 2> boxes_;
    SlidingCheck::Slope slope_;
    std::optional<SlidingCheck::Checked> result_;
};
