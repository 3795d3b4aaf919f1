#include "Variant.h"

#include "Locale.h"
#include "TextPair.h"
#include "VbError.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool equalsIgnoringCase(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && !b[i];
}

// Number text with up to `precision` significant digits, as the platform writes it.
std::string generalText(double value, int precision)
{
    if (value == 0)
        return "0";
    // to_chars writes the same digits as printf's "%.*e" but never reads the C library's locale.
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision - 1).ptr;
    std::string mantissa(buffer, end);
    const auto e = mantissa.find('e');
    int exponent = 0;
    const char* power = mantissa.c_str() + e + 1;
    std::from_chars(power + (*power == '+'), mantissa.c_str() + mantissa.size(), exponent);
    mantissa.resize(e);

    std::string sign;
    if (mantissa.front() == '-') {
        sign = "-";
        mantissa.erase(0, 1);
    }
    std::string digits;
    for (char c : mantissa) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const std::string separator = Locale::current().DEZIMALPUNKT;
    if (exponent < -4 || exponent >= precision) {
        std::string text = sign + digits.substr(0, 1);
        if (digits.size() > 1)
            text += separator + digits.substr(1);
        char power[16];
        std::snprintf(power, sizeof power, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return text + power;
    }
    if (exponent < 0)
        return sign + "0" + separator + std::string(-exponent - 1, '0') + digits;
    const std::size_t wholeDigits = exponent + 1;
    if (digits.size() <= wholeDigits)
        return sign + digits + std::string(wholeDigits - digits.size(), '0');
    return sign + digits.substr(0, wholeDigits) + separator + digits.substr(wholeDigits);
}

// Whether number text of digits, '.' and an exponent is below one in magnitude: the power
// of ten of its first non-zero digit, plus its exponent, is negative.
bool tinyMagnitude(const std::string& plain)
{
    const auto e = std::min(plain.find('e'), plain.size());
    int power = 0;
    if (e < plain.size())
        std::from_chars(plain.data() + e + 1 + (plain[e + 1] == '+'), plain.data() + plain.size(), power);
    const auto point = std::min(plain.find('.'), e);
    const auto first = plain.find_first_of("123456789");
    if (first == std::string::npos || first >= e)
        return true;
    const long digitPower = first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    return digitPower + power < 0;
}

const QDate& dateZero()
{
    static const QDate zero(1899, 12, 30);
    return zero;
}

VbDate dateFromText(const std::string& text)
{
    const QString value = QString::fromStdString(trimmed(text));
    static const char* const formats[] = {"dd.MM.yyyy hh:mm:ss",
                                          "dd.MM.yyyy hh:mm",
                                          "dd.MM.yyyy",
                                          "yyyy-MM-dd hh:mm:ss",
                                          "yyyy-MM-dd",
                                          "M/d/yyyy h:mm:ss AP",
                                          "M/d/yyyy",
                                          "hh:mm:ss",
                                          "hh:mm"};
    for (const char* format : formats) {
        const QDateTime moment = QDateTime::fromString(value, QString::fromLatin1(format));
        if (moment.isValid()) {
            const double days = dateZero().daysTo(moment.date());
            return VbDate{days + moment.time().msecsSinceStartOfDay() / 86400000.0};
        }
        const QTime time = QTime::fromString(value, QString::fromLatin1(format));
        if (time.isValid())
            return VbDate{time.msecsSinceStartOfDay() / 86400000.0};
    }
    throw VbError::of(VbError::TypeMismatch);
}

}  // namespace

namespace vb {

std::optional<double> parseNumber(const std::string& text)
{
    const std::string value = trimmed(text);
    const char separator = Locale::current().decimalSeparator();
    std::string plain;  // digits, '.' and 'e': the notation from_chars reads in every locale
    std::size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';
    bool digits = false;
    bool fraction = false;
    for (; i < value.size(); ++i) {
        const char c = value[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
            plain += c;
        } else if (c == separator && !fraction) {
            fraction = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < value.size() && (value[i] == 'e' || value[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < value.size() && (value[i] == '+' || value[i] == '-'))
            plain += value[i++];
        bool exponentDigits = false;
        for (; i < value.size() && std::isdigit(static_cast<unsigned char>(value[i])); ++i) {
            exponentDigits = true;
            plain += value[i];
        }
        if (!exponentDigits)
            return std::nullopt;
    }
    if (i != value.size())
        return std::nullopt;
    double number = 0;
    if (std::from_chars(plain.data(), plain.data() + plain.size(), number).ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero, as the platform does; too large overflows.
        if (!tinyMagnitude(plain))
            throw VbError::of(VbError::Overflow);
        number = 0;
    }
    return negative ? -number : number;
}

int16_t toInteger(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX))
        throw VbError::of(VbError::Overflow);
    return static_cast<int16_t>(rounded);
}

int32_t toLong(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX))
        throw VbError::of(VbError::Overflow);
    return static_cast<int32_t>(rounded);
}

float toSingle(double value)
{
    if (std::isnan(value) || std::fabs(value) > FLT_MAX)
        throw VbError::of(VbError::Overflow);
    return static_cast<float>(value);
}

std::string singleText(float value)
{
    return generalText(value, 7);
}

std::string doubleText(double value)
{
    return generalText(value, 15);
}

std::string exactText(float value)
{
    char buffer[32];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

std::string exactText(double value)
{
    char buffer[32];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

std::string booleanText(bool value)
{
    const TextPair text = value ? TextPair{"Wahr", "True"} : TextPair{"Falsch", "False"};
    return text.in(Locale::current().englishTexts());
}

std::string dateText(VbDate value)
{
    const bool german = !Locale::current().englishTexts();
    const double days = std::floor(value.serial);
    const int msecs = static_cast<int>(std::lround((value.serial - days) * 86400000.0)) % 86400000;
    const QDate date = dateZero().addDays(static_cast<qint64>(days));
    const QTime time = QTime::fromMSecsSinceStartOfDay(msecs);
    QString result;
    const std::string& form = Locale::current().dateFormat;
    if (days != 0 || msecs == 0)
        result = date.toString(!form.empty() ? QString::fromStdString(form)
                               : german      ? QStringLiteral("dd.MM.yyyy")
                                             : QStringLiteral("M/d/yyyy"));
    if (msecs != 0) {
        if (!result.isEmpty())
            result += QLatin1Char(' ');
        result += time.toString(german ? QStringLiteral("hh:mm:ss") : QStringLiteral("h:mm:ss AP"));
    }
    return result.toStdString();
}

}  // namespace vb

Variant Variant::null()
{
    Variant value;
    value.type_ = Type::Null;
    return value;
}

bool Variant::isNumber() const
{
    const Type t = type();
    return t == Type::Integer || t == Type::Long || t == Type::Single || t == Type::Double;
}

double Variant::toDouble() const
{
    switch (type()) {
    case Type::Empty: return 0;
    case Type::Null: throw VbError::of(VbError::InvalidUseOfNull);
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
    case Type::Date: return number_;
    case Type::Boolean: return number_ != 0 ? -1 : 0;
    case Type::Text: break;
    }
    const std::optional<double> number = vb::parseNumber(text_);
    if (!number)
        throw VbError::of(VbError::TypeMismatch);
    return *number;
}

int16_t Variant::toInteger() const
{
    if (type() == Type::Integer)
        return static_cast<int16_t>(number_);
    return vb::toInteger(toDouble());
}

int32_t Variant::toLong() const
{
    if (type() == Type::Long)
        return static_cast<int32_t>(number_);
    return vb::toLong(toDouble());
}

float Variant::toSingle() const
{
    if (type() == Type::Single)
        return static_cast<float>(number_);
    return vb::toSingle(toDouble());
}

bool Variant::toBoolean() const
{
    if (type() == Type::Boolean)
        return number_ != 0;
    if (type() == Type::Text) {
        const std::string value = trimmed(text_);
        if (equalsIgnoringCase(value, "True") || equalsIgnoringCase(value, "Wahr"))
            return true;
        if (equalsIgnoringCase(value, "False") || equalsIgnoringCase(value, "Falsch"))
            return false;
    }
    return toDouble() != 0;
}

VbDate Variant::toDate() const
{
    switch (type()) {
    case Type::Date: return VbDate{number_};
    case Type::Text:
        if (!vb::parseNumber(text_))
            return dateFromText(text_);
        break;
    default: break;
    }
    return VbDate{toDouble()};
}

std::string Variant::toText() const
{
    switch (type()) {
    case Type::Empty: return {};
    case Type::Null: throw VbError::of(VbError::InvalidUseOfNull);
    case Type::Integer:
    case Type::Long: return std::to_string(static_cast<int32_t>(number_));
    case Type::Single: return vb::singleText(static_cast<float>(number_));
    case Type::Double: return vb::doubleText(number_);
    case Type::Date: return vb::dateText(VbDate{number_});
    case Type::Text: return text_;
    case Type::Boolean: return vb::booleanText(number_ != 0);
    }
    return {};
}

std::string Variant::text() const
{
    return isNull() ? std::string() : toText();
}

bool Variant::isNumeric() const
{
    switch (type()) {
    case Type::Null:
    case Type::Date: return false;
    case Type::Text: try { return vb::parseNumber(text_).has_value();
        } catch (const VbError&) {
            return true;  // a number, only too large for any numeric type
        }
    default: return true;
    }
}
