#include "VbError.h"

#include "Locale.h"

VbError::VbError(long number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description))
{}

VbError VbError::of(Number number)
{
    struct Text {
        Number number;
        const char* english;
        const char* german;
    };
    static const Text texts[] = {
        {Overflow, "Overflow", "Überlauf"},
        {SubscriptOutOfRange, "Subscript out of range", "Index außerhalb des gültigen Bereichs"},
        {DivisionByZero, "Division by zero", "Division durch Null"},
        {TypeMismatch, "Type mismatch", "Typen unverträglich"},
        {ObjectNotSet, "Object variable or With block variable not set",
         "Objektvariable oder With-Blockvariable nicht festgelegt"},
        {InvalidUseOfNull, "Invalid use of Null", "Unzulässige Verwendung von Null"},
        {ItemNotFound, "Item cannot be found in the collection corresponding to the requested name or ordinal.",
         "Das Objekt in der Auflistung, das dem angeforderten Namen bzw. der angeforderten Ordinalzahl entspricht, "
         "konnte nicht gefunden werden."},
        {NoCurrentRecord,
         "Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a "
         "current record.",
         "BOF oder EOF ist gleich True, oder der aktuelle Datensatz wurde gelöscht. Der angeforderte Vorgang "
         "benötigt einen aktuellen Datensatz."},
        {NotUpdatable, "Current Recordset does not support updating.",
         "Das aktuelle Recordset unterstützt keine Aktualisierung."},
        {ObjectClosed, "Operation is not allowed when the object is closed.",
         "Der Vorgang ist für ein geschlossenes Objekt nicht zugelassen."},
    };
    const bool german = Locale::current().SPRACHE == Locale::German;
    for (const Text& text : texts) {
        if (text.number == number)
            return VbError(number, german ? text.german : text.english);
    }
    return VbError(number, german ? "Anwendungs- oder objektdefinierter Fehler"
                                  : "Application-defined or object-defined error");
}

std::string VbError::message(const std::string& prefix) const
{
    return prefix + std::to_string(number_) + "\n" + description_;
}
