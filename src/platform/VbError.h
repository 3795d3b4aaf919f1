#pragma once

#include <stdexcept>
#include <string>

// A run-time error with the classic error number and its description, as the
// program's messages show them ("VB-Fehler: " + number + line break + description).
class VbError : public std::runtime_error {
public:
    // The classic numbers the program relies on.
    enum Number : long {
        Overflow = 6,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        TypeMismatch = 13,
        ObjectNotSet = 91,
        InvalidUseOfNull = 94,
        ItemNotFound = 3265,
        NoCurrentRecord = 3021,
        NotUpdatable = 3251,
        ObjectClosed = 3704,
        // Errors reported by the database engine.
        DatabaseError = -2147467259,
        SyntaxError = -2147217900,
        NoSuchTable = -2147217865,
        NoSuchColumn = -2147217904,
    };

    VbError(long number, std::string description);

    long number() const { return number_; }
    const std::string& description() const { return description_; }

    // Errors with their standard description in the session language.
    static VbError of(Number number);

private:
    long number_;
    std::string description_;
};
