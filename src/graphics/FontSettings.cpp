#include "FontSettings.h"

#include "platform/ErrorTrap.h"
#include "platform/VbError.h"

#include <cmath>

namespace {

Surface& bound(Surface* target)
{
    if (!target)
        throw VbError::of(VbError::ObjectNotSet);
    return *target;
}

}  // namespace

void FontSettings::apply(Surface* target, Slots& fonts, MessageService& messages, const std::string& name, int16_t size,
                         int16_t bold, int16_t underline, int16_t italic, int32_t colour)
{
    ErrorTrap(messages, "Schrifteinstellungen", ErrorPrefix::engineShort)
        .run({
            [&] { bound(target).font.name = name.empty() ? "Arial" : name; },
            [&] { bound(target).font.size = size < 1 ? 8 : size; },
            [&] {
                SurfaceFont& font = bound(target).font;
                font.bold = bold != 0;
                font.weight = font.bold ? 700 : 400;
                font.italic = italic != 0;
                font.underline = underline != 0;
            },
            [&] { bound(target).foreColor = colour < 1 ? 0 : static_cast<uint32_t>(colour); },
            [&] {
                const SurfaceFont& base = bound(target).font;
                const double reduced = std::nearbyint(base.size / 1.175);
                for (int slot = 1; slot <= 5; ++slot) {
                    SurfaceFont font = base;
                    if (slot == 3 || slot == 5)
                        font.name = "Symbol";
                    if (slot == 4 || slot == 5)
                        font.size = reduced;
                    fonts[slot] = font;
                }
            },
        });
}

void FontSettings::lines(Surface* target, float pixelsPerUnit, MessageService& messages, const std::string& prefix,
                         int16_t& style, float& width, int32_t& colour)
{
    ErrorTrap(messages, "Linieneinstellungen", prefix)
        .run({
            [&] { width = width != 0 ? width * pixelsPerUnit : 1; },
            [&] {
                if (colour == 0)
                    colour = 0;  // black
            },
            [&] {
                Surface& surface = bound(target);
                surface.drawStyle = style;
                surface.drawWidth = static_cast<int>(std::nearbyint(width));
                surface.drawMode = 13;
                surface.foreColor = static_cast<uint32_t>(colour);
            },
        });
}
