#pragma once

#include <stdexcept>
#include <string>

// The words the program's messages put before an error number, each as its messages
// have always read.
namespace ErrorPrefix {
inline constexpr const char* window = "VB-Error: ";                 // windows and their commands
inline constexpr const char* engine = "VB-Fehler: ";                // drawing engine and data layer
inline constexpr const char* engineShort = "VB-Fehler:";            // font settings, short drawing steps
inline constexpr const char* tableLines = "VB-Fehler ";             // line settings of tables
inline constexpr const char* numbered = "VB-Fehler: \nFehlerNr. ";  // long drawing steps
}  // namespace ErrorPrefix

// A run-time error with the classic error number and its description, as the
// program's messages show them (prefix + number + line break + description).
class VbError : public std::runtime_error {
public:
    // The classic numbers the program relies on.
    enum Number : long {
        // Run-time errors.
        Overflow = 6,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        TypeMismatch = 13,
        InternalError = 51,
        // Objects and their properties.
        ObjectNotSet = 91,
        InvalidUseOfNull = 94,
        InvalidPropertyValue = 380,
        PrinterError = 482,
        // Data access.
        NoCurrentRecord = 3021,
        NotUpdatable = 3251,
        ItemNotFound = 3265,
        ObjectClosed = 3704,
        // Common dialogs.
        DialogCancelled = 32755,  // the user cancelled
        // Errors reported by the database engine.
        DatabaseError = -2147467259,
        SyntaxError = -2147217900,
        NoSuchTable = -2147217865,
        NoSuchColumn = -2147217904,
    };

    VbError(long number, std::string description);

    long number() const { return number_; }
    const std::string& description() const { return description_; }

    // The one form of an error message: prefix, number, line break, description.
    std::string message(const std::string& prefix) const;

    // Errors with their standard description in the session language.
    static VbError of(Number number);

private:
    long number_;
    std::string description_;
};
