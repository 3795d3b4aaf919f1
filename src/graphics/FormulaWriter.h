#pragma once

#include <QString>

#include <cstdint>
#include <string>

class clsGRAFIK;

// Writes a formula string onto a figure's target: anchors it in target, world or frame
// coordinates, aligns and clips it, then draws its runs in the prepared font slots,
// raising exponents and lowering indices, and hands rotated runs to a clsROTATOR.
class FormulaWriter {
public:
    explicit FormulaWriter(clsGRAFIK& figure) : g_(figure) {}
    void write(float X, float Y, std::string& text, int16_t KO, int16_t AL, int16_t ARX, int16_t ARY);

private:
    void drawRun(const QString& code, const QString& run, float& x0, float& y0, double angle, int16_t AL,
                 int& previousSlot);
    clsGRAFIK& g_;
};
