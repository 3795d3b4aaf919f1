#include "Surface.h"

#include "VbError.h"

#include <QFontMetricsF>
#include <QImage>

#include <cmath>
#include <unordered_map>

namespace {

// Greek letters of the classic Symbol font encoding, by the Latin letter that stands for them.
QChar greekFor(QChar latin)
{
    static const char16_t upper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
                                       u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    static const char16_t lower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'ϕ', u'γ', u'η', u'ι', u'φ', u'κ', u'λ', u'μ',
                                       u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    const char16_t c = latin.unicode();
    if (c >= u'A' && c <= u'Z')
        return QChar(upper[c - u'A']);
    if (c >= u'a' && c <= u'z')
        return QChar(lower[c - u'a']);
    return latin;
}

bool isSymbolFont(const SurfaceFont& font)
{
    return QString::fromStdString(font.name).compare(QStringLiteral("Symbol"), Qt::CaseInsensitive) == 0;
}

// Measures text at a device resolution, without a device.
const QImage& metricsDevice(double dpiX, double dpiY)
{
    thread_local QImage image;
    const int dotsX = static_cast<int>(std::lround(dpiX / 0.0254));
    const int dotsY = static_cast<int>(std::lround(dpiY / 0.0254));
    if (image.isNull() || image.dotsPerMeterX() != dotsX || image.dotsPerMeterY() != dotsY) {
        image = QImage(1, 1, QImage::Format_ARGB32);
        image.setDotsPerMeterX(dotsX);
        image.setDotsPerMeterY(dotsY);
    }
    return image;
}

// A font at a resolution: what text metrics depend on.
struct FontKey {
    SurfaceFont font;
    double dpiX = 0, dpiY = 0;
    bool operator==(const FontKey&) const = default;
};

struct FontKeyHash {
    std::size_t operator()(const FontKey& key) const
    {
        const SurfaceFont& f = key.font;
        const int flags = f.bold | f.italic << 1 | f.underline << 2 | f.strikethrough << 3;
        std::size_t hash = std::hash<std::string>{}(f.name);
        for (const std::size_t part : {std::hash<double>{}(f.size), std::hash<int>{}(flags), std::hash<int>{}(f.weight),
                                       std::hash<double>{}(key.dpiX), std::hash<double>{}(key.dpiY)})
            hash = hash * 31 + part;
        return hash;
    }
};

// Measuring text is the costly part of drawing a page: the metrics of a font and the
// widths of the texts drawn again and again (labels, units) are kept.
class TextMeasure {
public:
    static double width(const SurfaceFont& font, const QString& text, double dpiX, double dpiY)
    {
        Font& known = instance().font(font, dpiX, dpiY);
        const auto width = known.widths.find(text);
        if (width != known.widths.end())
            return width->second;
        if (known.widths.size() > 4096)
            known.widths.clear();
        const double measured = known.metrics.horizontalAdvance(text);
        known.widths.emplace(text, measured);
        return measured;
    }
    static double height(const SurfaceFont& font, double dpiX, double dpiY)
    {
        return instance().font(font, dpiX, dpiY).metrics.height();
    }

private:
    struct Font {
        QFontMetricsF metrics;
        std::unordered_map<QString, double> widths;
    };

    static TextMeasure& instance()
    {
        thread_local TextMeasure cache;
        return cache;
    }
    Font& font(const SurfaceFont& font, double dpiX, double dpiY)
    {
        const FontKey key{font, dpiX, dpiY};
        auto known = fonts_.find(key);
        if (known == fonts_.end()) {
            if (fonts_.size() > 256)
                fonts_.clear();
            known =
                fonts_.emplace(key, Font{QFontMetricsF(Surface::qtFont(font), &metricsDevice(dpiX, dpiY)), {}}).first;
        }
        return known->second;
    }

    std::unordered_map<FontKey, Font, FontKeyHash> fonts_;
};

}  // namespace

Surface::Surface(double widthTwips, double heightTwips, double dpiX, double dpiY, bool printer)
    : widthTwips_(widthTwips), heightTwips_(heightTwips), dpiX_(dpiX), dpiY_(dpiY), printer_(printer),
      scaleWidth_(widthTwips), scaleHeight_(heightTwips)
{}

double Surface::unitsPerTwip(int mode) const
{
    switch (mode) {
    case Points: return 1.0 / 20;
    case Pixels: return dpiX_ / 1440;
    case Inches: return 1.0 / 1440;
    case Millimetres: return 1.0 / twipsPerMillimetre;
    case Centimetres: return 1.0 / (10 * twipsPerMillimetre);
    default: return 1;
    }
}

void Surface::setScaleMode(int mode)
{
    scaleMode_ = mode;
    if (mode == User)
        return;
    scaleLeft_ = scaleTop_ = 0;
    scaleWidth_ = widthTwips_ * unitsPerTwip(mode);
    scaleHeight_ = heightTwips_ * (mode == Pixels ? dpiY_ / 1440 : unitsPerTwip(mode));
}

void Surface::setUserScale(double left, double top, double right, double bottom)
{
    scaleMode_ = User;
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleWidth_ = right - left;
    scaleHeight_ = bottom - top;
}

Surface::Measurement Surface::measure(int unit)
{
    const int mode = scaleMode();
    const double left = scaleLeft();
    const double top = scaleTop();
    const double right = scaleWidth() + left;
    const double bottom = scaleHeight() + top;
    setScaleMode(unit);
    const double pixelWidth = scaleWidth();
    const double pixelHeight = scaleHeight();
    if (mode != User)
        setScaleMode(mode);
    else
        setUserScale(left, top, right, bottom);
    return {left, top, pixelWidth / (right - left), pixelHeight / (bottom - top)};
}

double Surface::pixelsPerUnitX() const
{
    return widthTwips_ / 1440 * dpiX_ / scaleWidth_;
}

double Surface::pixelsPerUnitY() const
{
    return heightTwips_ / 1440 * dpiY_ / scaleHeight_;
}

QPointF Surface::toDevice(double x, double y) const
{
    const QPointF device((x - scaleLeft_) * pixelsPerUnitX(), (y - scaleTop_) * pixelsPerUnitY());
    // No drawing goes to infinity: a value past every scale is the classic overflow.
    if (!std::isfinite(device.x()) || !std::isfinite(device.y()))
        throw VbError::of(VbError::Overflow);
    return device;
}

void Surface::line(double x1, double y1, double x2, double y2, uint32_t color)
{
    deviceLine(toDevice(x1, y1), toDevice(x2, y2), pen(color));
    currentX = x2;
    currentY = y2;
}

void Surface::polyline(const std::vector<QPointF>& points)
{
    if (points.size() < 2)
        return;
    std::vector<QPointF> device;
    device.reserve(points.size());
    for (const QPointF& point : points)
        device.push_back(toDevice(point.x(), point.y()));
    devicePolyline(device, pen(foreColor));
    currentX = points.back().x();
    currentY = points.back().y();
}

void Surface::devicePolyline(const std::vector<QPointF>& points, const Pen& pen)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        deviceLine(points[i - 1], points[i], pen);
}

void Surface::setResolution(double dpi)
{
    dpiX_ = dpiY_ = dpi;
    if (scaleMode_ != User)
        setScaleMode(scaleMode_);
}

Surface::Pen Surface::pen(uint32_t color) const
{
    const int units = drawWidth < 1 ? 1 : drawWidth;
    if (!isPrinter())
        return {color, double(units), drawStyle};
    const double millimetres = lineRole == LineRole::Thin ? 0.13 : lineRole == LineRole::Curve ? 0.35 : 0.25;
    return {color, units * millimetres * dpiX_ / 25.4, drawStyle};
}

void Surface::box(double x1, double y1, double x2, double y2, uint32_t color, bool filled)
{
    const bool fill = filled || fillStyle == Solid;
    deviceRect(toDevice(x1, y1), toDevice(x2, y2), pen(color), fill, filled ? color : fillColor);
    currentX = x2;
    currentY = y2;
}

void Surface::circle(double x, double y, double radius, uint32_t color, double start, double end)
{
    // The radius is measured along the x axis, as the classic circle primitive does.
    const double rx = std::fabs(radius * pixelsPerUnitX());
    const double ry = rx;
    if (!std::isfinite(rx))
        throw VbError::of(VbError::Overflow);
    deviceEllipse(toDevice(x, y), rx, ry, start, end, pen(color), fillStyle == Solid, fillColor);
    currentX = x;
    currentY = y;
}

void Surface::point(double x, double y, uint32_t color)
{
    devicePoint(toDevice(x, y), color);
    currentX = x;
    currentY = y;
}

void Surface::print(const std::string& text)
{
    deviceText(toDevice(currentX, currentY), displayText(text, font), qtFont(font), foreColor, 0);
    currentX += textWidth(text);
}

double Surface::textWidth(const std::string& text) const
{
    return TextMeasure::width(font, displayText(text, font), dpiX_, dpiY_) / pixelsPerUnitX();
}

double Surface::textHeight(const std::string&) const
{
    return TextMeasure::height(font, dpiX_, dpiY_) / pixelsPerUnitY();
}

void Surface::rotatedText(const std::string& text, int x, int y, int angle, const SurfaceFont& rotated, int cellHeight)
{
    // The cell height fixes the size: find the point size whose cell is that high.
    QFont qt = qtFont(rotated);
    const QFontMetricsF metrics(qt, &metricsDevice(dpiX_, dpiY_));
    if (metrics.height() > 0)
        qt.setPointSizeF(qt.pointSizeF() * cellHeight / metrics.height());
    deviceText(QPointF(x, y), displayText(text, rotated), qt, foreColor, angle);
}

QFont Surface::qtFont(const SurfaceFont& font)
{
    QString family = QString::fromStdString(font.name);
    if (family.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0 || isSymbolFont(font) || family.isEmpty())
        family = QStringLiteral("Liberation Sans");
    else if (family.compare(QStringLiteral("Times New Roman"), Qt::CaseInsensitive) == 0)
        family = QStringLiteral("Liberation Serif");
    else if (family.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0)
        family = QStringLiteral("Liberation Mono");
    QFont qt(family);
    qt.setPointSizeF(font.size > 0 ? font.size : 8);
    qt.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    qt.setItalic(font.italic);
    qt.setUnderline(font.underline);
    qt.setStrikeOut(font.strikethrough);
    qt.setHintingPreference(QFont::PreferNoHinting);
    return qt;
}

QString Surface::displayText(const std::string& text, const SurfaceFont& font)
{
    QString display = QString::fromStdString(text);
    if (isSymbolFont(font)) {
        for (QChar& c : display)
            c = greekFor(c);
    }
    return display;
}
