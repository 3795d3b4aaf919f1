#pragma once

#include <cstdint>
#include <string>

// Language and number conventions of the session. Conversions between numbers and
// text follow the current one of these, as the platform's own conversions do; none of
// them reads the C library's locale, which Qt sets from the environment.
struct Locale {
    enum Language : int16_t { English = 1, German = 3 };

    Locale() = default;
    Locale(int16_t language, std::string separator, std::string date = {})
        : SPRACHE(language), DEZIMALPUNKT(std::move(separator)), dateFormat(std::move(date))
    {}

    int16_t SPRACHE = German;
    std::string DEZIMALPUNKT = ",";
    // The locale's short date form with a four-digit year ("dd/MM/yyyy" in Britain); empty
    // for the language's usual one.
    std::string dateFormat;

    // German for a "de" language, English for "en", German for every other language.
    static int16_t languageFor(const std::string& twoLetterName);

    // The user's locale as the operating system reports it (LANG/LC_ALL).
    static Locale system();

    static const Locale& current();
    static void setCurrent(const Locale& locale);

    // The language of run-time texts: German in a German session, English in any other.
    bool englishTexts() const { return SPRACHE != German; }

    char decimalSeparator() const { return DEZIMALPUNKT.empty() ? '.' : DEZIMALPUNKT.front(); }
};
