#pragma once

#include "data/clsDATEN.h"
#include "page/FigureSession.h"
#include "page/OutputPage.h"
#include "page/PageState.h"
#include "platform/ErrorTrap.h"
#include "platform/RasterSurface.h"

#include <QImage>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class Clock;

// Output page 1 without its window: loads the current record, computes its strength
// laws and draws the header, figures 11 to 16 and the parameter tables into picture
// boxes of a landscape screen page, and prints the same content on an A4 sheet.
class Seite1 : public OutputPage {
public:
    // Reports the loading progress (5 … 100) to whoever shows it.
    class Progress {
    public:
        virtual ~Progress() = default;
        virtual void setValue(int value) = 0;
    };

    Seite1(Session& session, const Clock& clock, Progress* progress = nullptr, SurfaceFactory surfaces = screen());
    ~Seite1() override;

    // Reads the record (the selected one, or the given identifier), checks that it can be
    // drawn and draws the page. False when the record was refused; its message was shown.
    bool load(std::optional<int32_t> record = std::nullopt);

    void SEITENKOPF(int16_t OBJ);
    // The record's header and footer on a surface: the screen sheet (cleared first) or paper,
    // numbered as the given page of the record's.
    void header(Surface& surface, bool paper, int16_t pageNumber);
    void KONTEXT(bool HBOKF, bool HBOKFS, uint32_t pageColour, uint32_t pictureColour) override;
    void DRUCKEN(Surface& printer) override;
    void ZOOM(double dpi) override;

    void BILD11(int16_t OBJ, float XDL, float YDO);
    void BILD12(int16_t OBJ, float XDL, float YDO);
    void BILD13(int16_t OBJ, float XDL, float YDO);
    void BILD14(int16_t OBJ, float XDL, float YDO);
    void BILD15(int16_t OBJ, float XDL, float YDO);
    void BILD16(int16_t OBJ, float XDL, float YDO);
    void BILD17(int16_t OBJ, float XDL, float YDO);
    void BILD18(int16_t OBJ, float XDL, float YDO);
    void BILD17D(int16_t OBJ, float XDL, float YDO);

    // The page and its picture boxes 11 … 17.
    int number() const override { return 1; }
    Surface& page() override { return *page_; }
    std::vector<Box> boxes() override;
    Surface& box(int figure) override;
    PageState& state() override { return state_; }

    static Place place(int figure);

    // Services of the page for its figure procedures.
    FigureSession& session() { return session_; }
    ErrorTrap trap(const std::string& title);
    // Writes G0 values of a figure of the current record.
    void writeG0(int16_t figure, std::initializer_list<std::pair<const char*, Variant>> values);
    float readG0(int16_t figure, const char* column);
    // Steps 1 to 6 of every figure: clear, new drawing object, the default frame and the
    // figure's own defaults under the rebuild flag, values written in any case, record and
    // figure number, target.
    clsGRAFIK& skeleton(int16_t figure, int16_t OBJ, float XDL, float YDO,
                        std::initializer_list<std::pair<const char*, Variant>> rebuild,
                        std::initializer_list<std::pair<const char*, Variant>> always);

private:
    // Draws one figure through its procedure; what it says counts against its one message.
    template <typename Figures>
    void drawFigure(int number, void (Figures::*draw)(int16_t, float, float), int16_t OBJ, float XDL, float YDO);
    bool readRecord(std::optional<int32_t> record);
    bool drawable();
    // Says why the record cannot be evaluated: one line per problem.
    void refuse(const std::string& problems);
    void progress(int value);
    void drawScreenFigures();
    // The screen page with its header and figures, drawn anew.
    void redraw();

    FigureSession session_;
    const Clock& clock_;
    Progress* progress_;
    std::unique_ptr<Surface> page_;
    std::array<std::unique_ptr<Surface>, 7> boxes_;
    PageState state_;
    clsDATEN g0_;
};
