#pragma once

#include "graphics/FontSettings.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

class MessageService;
class Surface;

// Writes a formula string onto a target at an anchor in the target's units: aligns it,
// leaves it out when it would cross the given bounds, then draws its runs in the
// prepared font slots, raising exponents and lowering indices, and hands rotated runs to
// a clsROTATOR. Figures, tables and page heads share it.
class FormulaWriter {
public:
    using FontSlots = FontSettings::Slots;
    struct Bounds {
        double left, right, top, bottom;
    };

    // Errors are reported under the title, as the owner of the text names it.
    FormulaWriter(Surface& target, FontSlots& fonts, MessageService& messages, std::string title);
    // AL: angle in degrees; ARX: 0 start, 1 centre, 2 end; ARY: 0 top, 1 middle, 2 bottom.
    // A numeric text in scientific notation is rewritten in the caller's variable.
    void write(float X, float Y, std::string& text, int16_t AL, int16_t ARX, int16_t ARY,
               const std::optional<Bounds>& clip = {});

private:
    void drawRun(const QString& code, const QString& run, float& x0, float& y0, double angle, int16_t AL,
                 int& previousSlot);

    Surface& target_;
    FontSlots& fonts_;
    MessageService& messages_;
    std::string title_;
};
