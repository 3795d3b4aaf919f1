#pragma once

#include <cstdint>
#include <string>

class MessageService;

// Checks one input field: the value is trimmed in place; an empty value passes; a date
// field must hold a date or time, any other a number within [minimum, maximum], and a
// whole number when asked. A failed check is reported under the title in the language
// (1 English, 3 German) and returns false.
bool EINGABEPRUEFUNG(std::string& value, float minimum, float maximum, bool wholeNumbers, bool dateOnly,
                     const std::string& title, int16_t language, MessageService& messages);
