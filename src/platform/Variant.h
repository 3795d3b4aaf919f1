#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct Locale;

// Date and time as a serial number: whole days since 30 December 1899, the fraction is the
// time of day.
struct VbDate {
    double serial = 0;
    bool operator==(const VbDate&) const = default;
};

// A value of any of the types that travel between the program and its tables.
// Conversions follow the platform's rules: halves round to the even neighbour, values out
// of range raise an overflow error, text that is no number raises a type mismatch, and
// numbers and text convert with the decimal separator of the current locale.
class Variant {
public:
    enum class Type { Empty, Null, Integer, Long, Single, Double, Date, Text, Boolean };

    Variant() = default;
    Variant(int16_t value) : type_(Type::Integer), number_(value) {}
    Variant(int32_t value) : type_(Type::Long), number_(value) {}
    Variant(float value) : type_(Type::Single), number_(value) {}
    Variant(double value) : type_(Type::Double), number_(value) {}
    Variant(bool value) : type_(Type::Boolean), number_(value ? 1 : 0) {}
    Variant(VbDate value) : type_(Type::Date), number_(value.serial) {}
    Variant(std::string value) : type_(Type::Text), text_(std::move(value)) {}
    Variant(const char* value) : type_(Type::Text), text_(value) {}

    static Variant null();

    Type type() const { return type_; }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isText() const { return type() == Type::Text; }
    bool isNumber() const;

    int16_t toInteger() const;
    int32_t toLong() const;
    float toSingle() const;
    double toDouble() const;
    bool toBoolean() const;
    VbDate toDate() const;
    std::string toText() const;

    // The text form used when a value is joined into a message: null and empty give "".
    std::string text() const;

    // True when the value converts to a number (a number, a Boolean, or numeric text).
    bool isNumeric() const;

    bool operator==(const Variant& other) const = default;

private:
    // Every number type fits a double exactly; text has its own member.
    Type type_ = Type::Empty;
    double number_ = 0;
    std::string text_;
};

// Conversions shared by the variant and by callers that hold plain numbers.
namespace vb {

// Text to number with the current locale's decimal separator; nullopt when the text is no number.
std::optional<double> parseNumber(const std::string& text);

// Rounds to the nearest integer, halves to the even neighbour; overflow error outside the range.
int16_t toInteger(double value);
int32_t toLong(double value);
float toSingle(double value);

// The platform's text form of a number: up to 7 (single) or 15 (double) significant
// digits, no trailing zeros, the current locale's decimal separator, and the
// scientific form "1.5E-05" for very small or large magnitudes.
std::string singleText(float value);
std::string doubleText(double value);

// The shortest text with a decimal point, whatever the locale, that reads back as the same
// value: for statements, files and other programs.
std::string exactText(float value);
std::string exactText(double value);

std::string booleanText(bool value);
std::string dateText(VbDate value);

}  // namespace vb
