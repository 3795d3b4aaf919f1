#pragma once

#include <QFont>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <string>

// A font as the drawing routines set it: name, size in points and styles.
struct SurfaceFont {
    std::string name = "Arial";
    double size = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int weight = 400;

    bool operator==(const SurfaceFont&) const = default;
};

// A drawing target: a picture box on screen or a sheet of paper. It keeps a scale (a
// scale mode, or a user scale with its own origin and extent), the pen, fill and font
// state and a current position, and offers line, box, circle, point and text output in
// scale units. Implementations put the device-level primitives somewhere: an image, a
// PDF page, a printer, or a record for tests.
class Surface {
public:
    enum ScaleMode { User = 0, Twips = 1, Points = 2, Pixels = 3, Inches = 5, Millimetres = 6, Centimetres = 7 };
    enum FillStyle { Solid = 0, Transparent = 1 };
    static constexpr double twipsPerMillimetre = 56.7;

    // widthTwips x heightTwips is the object's size; dpi its resolution in device pixels.
    Surface(double widthTwips, double heightTwips, double dpiX, double dpiY, bool printer);
    virtual ~Surface() = default;

    double width() const { return widthTwips_; }    // twips
    double height() const { return heightTwips_; }  // twips
    bool isPrinter() const { return printer_; }
    double dpiX() const { return dpiX_; }
    double dpiY() const { return dpiY_; }

    int scaleMode() const { return scaleMode_; }
    void setScaleMode(int mode);
    double scaleLeft() const { return scaleLeft_; }
    double scaleTop() const { return scaleTop_; }
    double scaleWidth() const { return scaleWidth_; }
    double scaleHeight() const { return scaleHeight_; }
    // A user scale: (left, top) is the upper left corner, (right, bottom) the lower right.
    void setUserScale(double left, double top, double right, double bottom);

    std::string name;  // the control or device name, for messages
    uint32_t backColor = 0xFFFFFF;
    uint32_t foreColor = 0;  // 0x00BBGGRR as the classic colour values; see rgb()
    int drawStyle = 0;       // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible
    int drawWidth = 1;       // pixels on screen; on paper a multiple of the line role's width
    // What the next lines are: on paper each kind has its width in millimetres, the same on
    // every printer (ISO 128: thin 0.13, frames and axes 0.25, result curves 0.35).
    enum class LineRole { Thin, Frame, Curve };
    LineRole lineRole = LineRole::Frame;
    int drawMode = 13;
    int fillStyle = Transparent;
    uint32_t fillColor = 0;
    bool fontTransparent = true;
    double currentX = 0;
    double currentY = 0;
    SurfaceFont font;

    static uint32_t rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

    void line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, foreColor); }
    void line(double x1, double y1, double x2, double y2, uint32_t color);
    // One connected line through the points, drawn as one path.
    void polyline(const std::vector<QPointF>& points);
    // Outline, or filled with the colour; an outline is filled with the fill colour when
    // the fill style is solid.
    void box(double x1, double y1, double x2, double y2, uint32_t color, bool filled);
    // Angles in radians counter-clockwise from three o'clock; start = end = 0: full circle.
    void circle(double x, double y, double radius, uint32_t color, double start = 0, double end = 0);
    void point(double x, double y, uint32_t color);
    // Writes the text at the current position and moves the current x behind it.
    void print(const std::string& text);
    double textWidth(const std::string& text) const;
    double textHeight(const std::string& text) const;
    // Rotated text at a device position: the text's top-left corner before rotation,
    // angle counter-clockwise in degrees, the character cell cellHeight pixels high.
    void rotatedText(const std::string& text, int x, int y, int angle, const SurfaceFont& font, int cellHeight);
    virtual void clear() = 0;

    // Origin and units of a scale mode (device pixels by default) per scale unit, measured
    // the classic way: remember the scale, switch modes to read the size, then restore
    // the scale exactly.
    struct Measurement {
        double left, top, pixelsPerUnitX, pixelsPerUnitY;
    };
    Measurement measure(int mode = Pixels);

    // Device pixels of a position in scale units.
    QPointF toDevice(double x, double y) const;
    double pixelsPerUnitX() const;
    double pixelsPerUnitY() const;

    // The face that draws a font on this system: Arial-compatible for "Arial", Greek for "Symbol".
    static QFont qtFont(const SurfaceFont& font);
    // Text for a font: in the "Symbol" font, Latin letters stand for Greek ones.
    static QString displayText(const std::string& text, const SurfaceFont& font);

protected:
    struct Pen {
        uint32_t color;
        double width;  // pixels
        int style;
    };
    virtual void deviceLine(QPointF a, QPointF b, const Pen& pen) = 0;
    // By default one line per segment; painters draw one path.
    virtual void devicePolyline(const std::vector<QPointF>& points, const Pen& pen);
    virtual void deviceRect(QPointF a, QPointF b, const Pen& pen, bool filled, uint32_t fill) = 0;
    virtual void deviceEllipse(QPointF centre, double rx, double ry, double start, double end, const Pen& pen,
                               bool filled, uint32_t fill) = 0;
    virtual void devicePoint(QPointF at, uint32_t color) = 0;
    // Text with its top-left corner (before rotation) at the device point.
    virtual void deviceText(QPointF at, const QString& text, const QFont& font, uint32_t color, double angle) = 0;

    Pen pen(uint32_t color) const;
    // A new resolution for the same size (an image drawn anew at another zoom).
    void setResolution(double dpi);

private:
    double unitsPerTwip(int mode) const;

    double widthTwips_;
    double heightTwips_;
    double dpiX_;
    double dpiY_;
    bool printer_;
    int scaleMode_ = Twips;
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    double scaleWidth_;
    double scaleHeight_;
};
