#include "EINGABEPRUEFUNG.h"

#include "platform/Locale.h"
#include "platform/MessageService.h"
#include "platform/TextPair.h"
#include "platform/Variant.h"
#include "platform/VbError.h"

#include <cmath>
#include <limits>

bool EINGABEPRUEFUNG(std::string& value, float minimum, float maximum, bool wholeNumbers, bool dateOnly,
                     const std::string& title, int16_t language, MessageService& messages)
{
    const auto first = value.find_first_not_of(" \t");
    value = first == std::string::npos ? std::string() : value.substr(first, value.find_last_not_of(" \t") - first + 1);
    if (value.empty())
        return true;
    const bool english = language == Locale::English;
    const auto report = [&](const TextPair& text, MessageService::Icon icon) {
        messages.show({title, text.in(english), MessageService::Buttons::Ok, icon});
        return false;
    };
    if (dateOnly) {
        try {
            Variant(value).toDate();
            return true;
        } catch (const VbError&) {
            return report({"Eingegeber Wert ist kein gültiges Datums- oder Zeitformat!",
                           "Type of value is neither date nor time!"},
                          MessageService::Icon::Warning);
        }
    }
    if (!Variant(value).isNumeric())
        return report({"Eingegeber Wert ist kein gültiges Zahlenformat!", "Type of value is not numeric!"},
                      MessageService::Icon::None);
    float number = 0;
    try {
        number = Variant(value).toSingle();
    } catch (const VbError&) {
        number = std::numeric_limits<float>::infinity();
    }
    if (!(number >= minimum && number <= maximum)) {
        const std::string limits = "\nMinimum: " + vb::singleText(minimum) + ", Maximum: " + vb::singleText(maximum);
        return report(
            {"Zahlenwert außerhalb der vorgegeben Schranken:" + limits, "Numeric value out of preset limits:" + limits},
            MessageService::Icon::None);
    }
    if (wholeNumbers && number != std::trunc(number))
        return report({"Eingegeber Wert ist keine ganze Zahl!", "Type of value is not an integer!"},
                      MessageService::Icon::None);
    return true;
}
