#include "clsTABELLE.h"

#include "graphics/FormulaWriter.h"
#include "graphics/PointSymbol.h"
#include "platform/Locale.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/ScrollBar.h"
#include "platform/Surface.h"
#include "platform/VbError.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const textTitle = "Sub TEXT, Klassenmodul clsGRAFIK";

const Variant& cell(const clsTABELLE::Cells& X, std::size_t column, std::size_t row)
{
    if (column >= X.size() || row >= X[column].size())
        throw VbError::of(VbError::SubscriptOutOfRange);
    return X[column][row];
}

template <typename T>
T entry(const std::vector<T>& list, std::size_t index, T otherwise)
{
    return index < list.size() ? list[index] : otherwise;
}

}  // namespace

clsTABELLE::clsTABELLE(MessageService& messages) : messages_(messages) {}

Surface& clsTABELLE::target() const
{
    if (!target_)
        throw VbError::of(VbError::ObjectNotSet);
    return *target_;
}

void clsTABELLE::EOBJEKT(Surface& surface)
{
    target_ = &surface;
    const Surface::Measurement scale = surface.measure();
    pixelsX_ = static_cast<float>(scale.pixelsPerUnitX);
    pixelsY_ = static_cast<float>(scale.pixelsPerUnitY);
    SCHRIFTEINSTELLUNGEN("", 0, 0, 0, 0, 0);
}

void clsTABELLE::LINIENEINSTELLUNGEN(int16_t LINIENART, float& LINIENBREITE, int32_t FARBE)
{
    FontSettings::lines(target_, pixelsX_, messages_, ErrorPrefix::tableLines, LINIENART, LINIENBREITE, FARBE);
}

void clsTABELLE::LINIENEINSTELLUNGEN(int LINIENART, double LINIENBREITE, long FARBE)
{
    float width = static_cast<float>(LINIENBREITE);
    LINIENEINSTELLUNGEN(static_cast<int16_t>(LINIENART), width, static_cast<int32_t>(FARBE));
}

void clsTABELLE::SCHRIFTEINSTELLUNGEN(const std::string& SCHRIFTART, int16_t SCHRIFTGROESSE, int16_t FETT,
                                      int16_t UNTERSTRICHEN, int16_t KURSIV, int32_t FARBE)
{
    FontSettings::apply(target_, fonts_, messages_, SCHRIFTART, SCHRIFTGROESSE, FETT, UNTERSTRICHEN, KURSIV, FARBE);
}

float clsTABELLE::partHeight(int rows) const
{
    return 2 * ERZ + (rows - 1) * EZH * EZA + EZH;
}

void clsTABELLE::text(float x, float y, const std::string& content, int16_t ARX, int16_t ARY)
{
    std::string copy = content;
    FormulaWriter(target(), fonts_, messages_, textTitle).write(x, y, copy, 0, ARX, ARY);
}

void clsTABELLE::TABELLE(const Cells& X, int16_t POSITION)
{
    Surface& surface = target();
    if (ELSB.empty()) {
        messages_.show({"Tabelle", "Angabe der Spaltenbreiten in Objekt " + surface.name + " fehlt !",
                        MessageService::Buttons::Ok, MessageService::Icon::Warning});
        return;
    }
    const int columns = static_cast<int>(std::min(ELSB.size(), X.size()));
    width_ = 0;
    for (int c = 0; c < columns; ++c)
        width_ += ELSB[c];
    const int rows = X.empty() ? 0 : static_cast<int>(X.front().size());
    if (EZH <= 0)
        EZH = static_cast<float>(surface.textHeight("X"));
    const float pitch = EZH * EZA;

    int first = 0, last = rows - 1;
    if (POSITION == Body) {
        chooseBodyWindow(rows - 1);
        first = EEZ;
        last = ELZ;
    }
    const float height = partHeight(last - first + 1);
    const float T = EYDO + ERO, xL = EXDL + ERL;
    float innerTop = T, outerTop = T - 0.5f, lineY = T + ERZ + EZH;
    if (POSITION == Header) {
        headerHeight_ = height;
    } else if (POSITION == Body) {
        bodyHeight_ = height;
        innerTop = T + headerHeight_ + 0.5f;
        outerTop = T + headerHeight_;
        lineY = T + headerHeight_ + ERZ + EZH;
    } else {
        footHeight_ = height;
        innerTop = T + headerHeight_ + bodyHeight_ + 1;
        outerTop = T + headerHeight_ + bodyHeight_ + 0.5f;
        lineY = T + headerHeight_ + bodyHeight_ + ERZ + EZH;
    }
    surface.box(xL, innerTop, xL + width_, innerTop + height, surface.foreColor, false);
    surface.box(xL - 0.5, outerTop, xL + width_ + 0.5, outerTop + height + 1, surface.foreColor, false);

    for (int row = first; row <= last; ++row, lineY += pitch) {
        float x = xL;
        for (int c = 0; c < columns; ++c) {
            const int start = c;
            float w = ELSB[c];
            while (POSITION == Header && c < columns - 1 && row < entry<int16_t>(ELGITLEER, c, 0))
                w += ELSB[++c];
            drawCell(cell(X, start, row), start, x, w, lineY);
            x += w;
        }
    }

    float x = xL;
    for (int c = 0; c + 1 < columns; ++c) {
        x += ELSB[c];
        const int16_t rule = entry<int16_t>(ELGIT, c, 0);
        if (rule < 1)
            continue;
        float top = innerTop, bottom = innerTop + height;
        if (POSITION == Header) {
            const int16_t open = entry<int16_t>(ELGITLEER, c, 0);
            if (open == rows)
                continue;
            top = open == 0 ? T : T + open * EZH + ERZ + 1;
            bottom = T + headerHeight_;
        }
        surface.line(x, top, x, bottom);
        if (rule == 2)
            surface.line(x + 0.5, top, x + 0.5, bottom);
    }
}

void clsTABELLE::drawCell(const Variant& value, int column, float x, float w, float y)
{
    const std::string format = entry<std::string>(ELFORMAT, column, "");
    if (format == "SYMBOL") {
        drawSymbol(value.toInteger(), x + w / 2, y - EZH / 2);
        return;
    }
    const std::string shown =
        !format.empty() && value.isNumeric() && !value.isEmpty() ? vb::format(value.toDouble(), format) : value.text();
    const int16_t alignment = entry<int16_t>(ELA, column, 0);
    switch (alignment) {
    case 1: text(x + w / 2, y - 1, shown, 1, 1); break;
    case 2: text(x + w - 1.5f, y - 1, shown, 2, 1); break;
    case 3: {
        // Decimal points of a column on one line near its centre.
        const std::string& separator = Locale::current().DEZIMALPUNKT;
        const auto at = shown.find(separator);
        const std::string lead = at == std::string::npos ? shown : shown.substr(0, at + separator.size());
        const double wp = target().textWidth(lead);
        const double L = static_cast<double>(format.size());
        const auto point = format.find('.');
        const double p = point == std::string::npos ? 0 : static_cast<double>(point + 1);
        const double d = L > 0 ? (L / 2 - p) * (w / 2 - 1.5) / L : 0;
        text(static_cast<float>(x + w / 2 - wp - d), y - 1, shown, 0, 1);
        break;
    }
    default: text(x + 1.5f, y - 1, shown, 0, 1); break;
    }
}

void clsTABELLE::drawSymbol(int number, float x, float y)
{
    struct Look {
        int shape;  // a point symbol; 8 a single point, 9 a star
        int red, green, blue;
    };
    static const Look looks[] = {{6, 0, 0, 255},   {7, 0, 255, 0}, {2, 0, 255, 255}, {3, 255, 0, 0},
                                 {4, 255, 0, 255}, {5, 0, 180, 0}, {0, 0, 0, 0},     {8, 0, 0, 0}};
    if (number == 6)
        return;
    const Look look = number >= 0 && number <= 7 ? looks[number] : Look{9, 0, 0, 180};
    Surface& surface = target();
    const uint32_t saved = surface.foreColor;
    surface.foreColor = Surface::rgb(look.red, look.green, look.blue);
    if (look.shape == 8) {
        surface.point(x, y, surface.foreColor);
    } else if (look.shape == 9) {
        for (double angle : {0.0, M_PI / 4, M_PI / 2, 3 * M_PI / 4})
            surface.line(x - 0.75 * std::cos(angle), y - 0.75 * std::sin(angle), x + 0.75 * std::cos(angle),
                         y + 0.75 * std::sin(angle));
    } else {
        PointSymbol::draw(surface, look.shape, x, y);
    }
    surface.foreColor = saved;
}

int clsTABELLE::rowsFitting(float start, float limit) const
{
    int count = 0;
    for (float y = start; y <= limit && count < 32767; y += EZH * EZA)
        ++count;
    return count;
}

void clsTABELLE::chooseBodyWindow(int lastRow)
{
    EEZ = 0;
    ELZ = static_cast<int16_t>(std::max(lastRow, 0));
    if (!EYBALKEN)
        return;
    ScrollBar& bar = *EYBALKEN;
    Surface& surface = target();
    int fitting = 0;
    if (surface.isPrinter()) {
        if (!bar.visible)
            return;
        fitting = rowsFitting(2 * ERZ + EZH, static_cast<float>(0.9 * bar.height));
    } else {
        fitting = rowsFitting(ERO + headerHeight_ + ERZ + EZH, static_cast<float>(surface.scaleHeight() - ERU));
        if (bar.value == 0) {
            if (headerHeight_ + partHeight(lastRow + 1) + ERO + ERU < surface.scaleHeight()) {
                bar.visible = false;
                return;
            }
            bar.left = ERL + width_ + 1.5;
            bar.top = EYDO + ERO + headerHeight_;
            bar.width = 5;
            bar.height = surface.scaleHeight() - ERU - 0.5 - bar.top;
            bar.min = 0;
            bar.max = 10000;
            bar.largeChange = 2000;
            bar.smallChange = 300;
            bar.visible = true;
            ELZ = static_cast<int16_t>(std::clamp(fitting - 1, 0, lastRow));
            return;
        }
    }
    if (bar.value == 0 || bar.max == bar.min)
        return;
    const int k = std::max(fitting - 1, 0);
    const double share = std::nearbyint(static_cast<double>(bar.value) / (bar.max - bar.min) * 1000) / 1000;
    EEZ = std::max<int16_t>(0, vb::toInteger(share * (lastRow - k)));
    ELZ = static_cast<int16_t>(std::min(EEZ + k, lastRow));
}

void clsTABELLE::TITEL(const std::string& TXT)
{
    text(EXDL + ERL, EYDO + ERO - ERZ - 1.5f, TXT, 0, 2);
}

void clsTABELLE::FUSSNOTE(const std::string& TXT, int16_t ZEILE)
{
    text(EXDL + ERL + 1.5f, EYDO + ERO + headerHeight_ + bodyHeight_ + footHeight_ + ERZ + 1.5f + ZEILE * EZH * EZA,
         TXT, 0, 0);
}
