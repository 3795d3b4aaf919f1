#include "JsonText.h"

#include <QString>

#include <cmath>
#include <cstdio>

std::string JsonText::validUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

std::string JsonText::quoted(const std::string& raw)
{
    std::string quoted = "\"";
    for (unsigned char c : validUtf8(raw)) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            quoted += escape;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}

std::string JsonText::number(const Variant& value)
{
    if (value.isNull() || value.isEmpty() || value.isText() || !std::isfinite(value.toDouble()))
        return "null";
    return value.type() == Variant::Type::Single ? vb::exactText(value.toSingle()) : vb::exactText(value.toDouble());
}
