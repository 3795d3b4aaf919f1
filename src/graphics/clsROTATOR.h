#pragma once

#include <cstdint>
#include <string>

class Surface;

// Writes a label at any angle at the target's current position: the text's top-left
// corner (before rotation) lands on that point, in the target's font at 1.175 times the
// height an unrotated output would have.
class clsROTATOR {
public:
    void Device(Surface& objDevice);
    int16_t Angle = 0;
    // Raises when no device is set or the font name is too long for a font record.
    void Label(const std::string& sText);

    // Cell height in pixels for a font size: (dpi × size) \ 72, times 1.175, halves to even.
    static int cellHeight(double dpiY, double size);

private:
    Surface* device_ = nullptr;
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    double pixelsX_ = 1;
    double pixelsY_ = 1;
};
