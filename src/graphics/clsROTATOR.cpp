#include "clsROTATOR.h"

#include "platform/Surface.h"
#include "platform/VbError.h"

#include <cmath>

void clsROTATOR::Device(Surface& objDevice)
{
    device_ = &objDevice;
    const Surface::Measurement scale = objDevice.measure();
    scaleLeft_ = scale.left;
    scaleTop_ = scale.top;
    pixelsX_ = scale.pixelsPerUnitX;
    pixelsY_ = scale.pixelsPerUnitY;
}

int clsROTATOR::cellHeight(double dpiY, double size)
{
    const long logical = std::lround(dpiY) * std::lround(size) / 72;
    return static_cast<int>(std::nearbyint(logical * 1.175));
}

void clsROTATOR::Label(const std::string& sText)
{
    if (!device_)
        throw VbError::of(VbError::ObjectNotSet);
    const SurfaceFont& font = device_->font;
    if (font.name.size() + 1 > 32)  // the face name field of a font record holds 32 bytes
        throw VbError::of(VbError::SubscriptOutOfRange);
    const int height = cellHeight(device_->dpiY(), font.size);
    const int x = static_cast<int>(std::nearbyint((device_->currentX - scaleLeft_) * pixelsX_));
    const int y = static_cast<int>(std::nearbyint((device_->currentY - scaleTop_) * pixelsY_));
    device_->rotatedText(sText, x, y, Angle, font, height);
}
