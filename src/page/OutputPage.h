#pragma once

#include "platform/Surface.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

struct PageState;

// An output page without its window: a landscape screen sheet with picture boxes on it, the
// record's header and context, and the same content printed on an A4 sheet. The page window
// shows any of them.
class OutputPage {
public:
    // Makes the page and its picture boxes; by default images at the screen's resolution.
    using SurfaceFactory = std::function<std::unique_ptr<Surface>(double widthTwips, double heightTwips)>;
    static SurfaceFactory screen(double dpi = 96);
    // The same page laid out but not drawn, for runs that only print.
    static SurfaceFactory unseen(double dpi = 96);
    // The screen sheet: a landscape A4 page, in twips.
    static constexpr double sheetWidth = 297 * Surface::twipsPerMillimetre;
    static constexpr double sheetHeight = 210 * Surface::twipsPerMillimetre;

    // Box position in twips: left, top, width, height.
    struct Place {
        double left, top, width, height;
    };
    struct Box {
        Surface* surface;
        Place place;
    };

    virtual ~OutputPage() = default;

    // 1 or 2: the page's place among the record's pages, as its window is named.
    virtual int number() const = 0;
    virtual Surface& page() = 0;
    virtual std::vector<Box> boxes() = 0;
    // The picture box of a figure.
    virtual Surface& box(int figure) = 0;
    // Where a figure is drawn: its picture box, or (OBJ ≠ 0) the sheet being printed.
    Surface& target(int figure, int16_t OBJ);
    // The record the page shows, with the context's settings (header, numbering).
    virtual PageState& state() = 0;

    virtual void KONTEXT(bool HBOKF, bool HBOKFS, uint32_t pageColour, uint32_t pictureColour) = 0;
    virtual void DRUCKEN(Surface& printer) = 0;
    // Draws the screen page anew at another resolution (a zoom of the page window).
    virtual void ZOOM(double dpi) = 0;

    // The screen page with its boxes as one picture (of image surfaces); empty otherwise.
    QImage screenImage();

protected:
    // The picture box of a figure at its place, drawn on in millimetres.
    static std::unique_ptr<Surface> pictureBox(const SurfaceFactory& surfaces, int figure, const Place& at);
    // Every surface of the screen page at another resolution.
    void resample(double dpi);

    Surface* printer_ = nullptr;  // while the page prints
};
