#include "FormulaWriter.h"

#include "graphics/FormulaText.h"
#include "graphics/PointSymbol.h"
#include "graphics/clsROTATOR.h"
#include "platform/ErrorTrap.h"
#include "platform/Variant.h"

#include <cmath>

FormulaWriter::FormulaWriter(Surface& target, FontSlots& fonts, MessageService& messages, std::string title)
    : target_(target), fonts_(fonts), messages_(messages), title_(std::move(title))
{}

void FormulaWriter::write(float X, float Y, std::string& text, int16_t AL, int16_t ARX, int16_t ARY,
                          const std::optional<Bounds>& clip)
{
    double a = 0;
    double w = 0;
    double h = 0;
    float x0 = 0;
    float y0 = 0;
    ErrorTrap(messages_, title_)
        .run({
            [&] { a = AL * 0.017453292; },
            [&] { fonts_[0] = target_.font; },
            [&] { text = FormulaText::scientific(QString::fromStdString(text)).toStdString(); },
            [&] {
                const std::string plain = FormulaText::withoutTags(QString::fromStdString(text)).toStdString();
                w = target_.textWidth(plain);
                h = target_.textHeight(plain);
            },
            [&] {
                if (!clip)
                    return;
                // The whole text must stay inside: shrink the bounds by its extent.
                const double c = std::cos(a);
                double left = clip->left, right = clip->right, top = clip->top, bottom = clip->bottom;
                // Anchored at the start (0), the middle (1) or the end (2) of its extent.
                const auto shrink = [](int anchor, double extent, double& low, double& high) {
                    low += anchor == 1 ? extent / 2 : (anchor == 2 ? extent : 0);
                    high -= anchor == 1 ? extent / 2 : (anchor == 0 ? extent : 0);
                };
                shrink(ARX, w * c, left, right);
                shrink(ARY, h * c, top, bottom);
                if (!(left < X && X < right && top < Y && Y < bottom))
                    throw ErrorTrap::Leave();
            },
            [&] {
                x0 = X;
                y0 = Y;
                if (ARX == 1)
                    x0 = X - w * std::cos(a) / 2, y0 = Y + w * std::sin(a) / 2;
                else if (ARX == 2)
                    x0 = X - w * std::cos(a), y0 = Y + w * std::sin(a);
                if (ARY == 1)
                    x0 -= h * std::sin(a) / 2, y0 -= h * std::cos(a) / 2;
                else if (ARY == 2)
                    x0 -= h * std::sin(a), y0 -= h * std::cos(a);
            },
            [&] {
                // Runs before a broken tag are drawn, then the tag's error is reported.
                std::vector<FormulaText::Run> runs;
                std::optional<VbError> broken;
                try {
                    FormulaText::runs(QString::fromStdString(text), &runs);
                } catch (const VbError& error) {
                    broken = error;
                }
                int previousSlot = 0;
                for (const FormulaText::Run& run : runs)
                    drawRun(run.code, run.text, x0, y0, a, AL, previousSlot);
                if (broken)
                    throw *broken;
            },
        });
}

void FormulaWriter::drawRun(const QString& code, const QString& run, float& x0, float& y0, double angle, int16_t AL,
                            int& previousSlot)
{
    Surface& surface = target_;
    int slot = previousSlot;
    if (code.isEmpty() || code == u"c")
        slot = 2;
    else if (code == u"g")
        slot = 3;
    else if (code == u"t" || code == u"h")
        slot = 4;
    else if (code == u"gt" || code == u"gh")
        slot = 5;
    else if (code == u"s")
        slot = -1;  // the current font stays
    if (slot >= 0 && fonts_[slot])
        surface.font = *fonts_[slot];

    const std::string text = run.toStdString();
    // Greek letters stand on the Latin baseline: they are drawn from the same font family,
    // so the raise once needed for a separate symbol font would lift them off the line.
    double shift = 0;
    if (code == u"t" || code == u"gt")
        shift = -0.35 * surface.textHeight(text);
    else if (code == u"h" || code == u"gh")
        shift = 0.25 * surface.textHeight(text);
    else if (code == u"s")
        shift = -0.5 * surface.textHeight("s");
    const double x = x0 - shift * std::sin(angle) - surface.scaleLeft();
    const double y = y0 - shift * std::cos(angle) - surface.scaleTop();

    if (code == u"s") {
        const int16_t symbol = Variant(text).toInteger();
        if (symbol >= 0 && symbol <= 6)
            PointSymbol::draw(surface, symbol, static_cast<float>(x + 0.5 * std::cos(angle)), static_cast<float>(y));
    } else if (AL == 0) {
        surface.currentX = x;
        surface.currentY = y;
        surface.print(text);
    } else {
        surface.currentX = x;
        surface.currentY = y;
        surface.fontTransparent = true;
        clsROTATOR rotator;
        rotator.Device(surface);
        rotator.Angle = AL;
        rotator.Label(text);
    }
    const double width = surface.textWidth(text);
    surface.font = *fonts_[0];
    x0 += static_cast<float>(width * std::cos(angle));
    y0 -= static_cast<float>(width * std::sin(angle));
    if (slot >= 0)
        previousSlot = slot;
}
