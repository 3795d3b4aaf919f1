#include "PointSymbol.h"

#include "platform/Surface.h"

void PointSymbol::draw(Surface& surface, int type, float x, float y)
{
    const uint32_t colour = surface.foreColor;
    switch (type) {
    case 1: surface.box(x - 0.5, y - 0.5, x + 0.5, y + 0.5, colour, true); break;
    case 2: {
        const int fill = surface.fillStyle;
        const uint32_t fillColour = surface.fillColor;
        surface.fillStyle = Surface::Solid;
        surface.fillColor = Surface::rgb(255, 255, 255);
        surface.box(x - 0.5, y - 0.5, x + 0.5, y + 0.5, colour, false);
        surface.fillStyle = fill;
        surface.fillColor = fillColour;
        break;
    }
    case 3:
        surface.fillStyle = Surface::Solid;
        surface.fillColor = colour;
        surface.circle(x, y, 0.7, colour);
        surface.fillStyle = Surface::Transparent;
        break;
    case 4: surface.circle(x, y, 0.7, colour); break;
    case 5: {
        const double base = y + 0.33;
        const double apex = base - 1.2124;  // equilateral on the 1.4 mm base
        surface.line(x - 0.7, base, x + 0.7, base);
        surface.line(x + 0.7, base, x, apex);
        surface.line(x, apex, x - 0.7, base);
        break;
    }
    case 6:
        surface.line(x - 0.75, y - 0.75, x + 0.75, y + 0.75);
        surface.line(x - 0.75, y + 0.75, x + 0.75, y - 0.75);
        break;
    case 7:
        surface.line(x, y, x + 0.75, y - 0.75);
        surface.line(x + 0.75, y - 0.75, x + 1.75, y - 0.75);
        break;
    default: break;
    }
}
