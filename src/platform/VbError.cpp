#include "VbError.h"

#include "Locale.h"
#include "TextPair.h"

VbError::VbError(long number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description))
{}

VbError VbError::of(Number number)
{
    struct Text {
        Number number;
        TextPair description;
    };
    static const Text texts[] = {
        {Overflow, {"Überlauf", "Overflow"}},
        {SubscriptOutOfRange, {"Index außerhalb des gültigen Bereichs", "Subscript out of range"}},
        {DivisionByZero, {"Division durch Null", "Division by zero"}},
        {TypeMismatch, {"Typen unverträglich", "Type mismatch"}},
        {ObjectNotSet,
         {"Objektvariable oder With-Blockvariable nicht festgelegt", "Object variable or With block variable not set"}},
        {InvalidUseOfNull, {"Unzulässige Verwendung von Null", "Invalid use of Null"}},
        {PrinterError, {"Druckerfehler", "Printer error"}},
        {ItemNotFound,
         {"Das Objekt in der Auflistung, das dem angeforderten Namen bzw. der angeforderten Ordinalzahl entspricht, "
          "konnte nicht gefunden werden.",
          "Item cannot be found in the collection corresponding to the requested name or ordinal."}},
        {NoCurrentRecord,
         {"BOF oder EOF ist gleich True, oder der aktuelle Datensatz wurde gelöscht. Der angeforderte Vorgang "
          "benötigt einen aktuellen Datensatz.",
          "Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a "
          "current record."}},
        {NotUpdatable,
         {"Das aktuelle Recordset unterstützt keine Aktualisierung.", "Current Recordset does not support updating."}},
        {ObjectClosed,
         {"Der Vorgang ist für ein geschlossenes Objekt nicht zugelassen.",
          "Operation is not allowed when the object is closed."}},
    };
    const bool english = Locale::current().englishTexts();
    for (const Text& text : texts) {
        if (text.number == number)
            return VbError(number, text.description.in(english));
    }
    return VbError(
        number, TextPair{"Anwendungs- oder objektdefinierter Fehler", "Application-defined or object-defined error"}.in(
                    english));
}

std::string VbError::message(const std::string& prefix) const
{
    return prefix + std::to_string(number_) + "\n" + description_;
}
