#pragma once

#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include <locale.h>

// The locales users run in. A test that asks for one where the C library lacks it would
// fall back to "C" without a word and prove nothing, so it fails instead.
inline const char* const userLocales[] = {"de_DE.UTF-8", "en_GB.UTF-8", "en_US.UTF-8"};

inline ::testing::AssertionResult localeInstalled(const std::string& name)
{
    const locale_t found = newlocale(LC_ALL_MASK, name.c_str(), nullptr);
    if (!found)
        return ::testing::AssertionFailure() << "locale " << name << " missing: run scripts/setup";
    freelocale(found);
    return ::testing::AssertionSuccess();
}

// The C library's locale for a scope, as Qt's application object sets it from the environment.
class CLibraryLocale {
public:
    explicit CLibraryLocale(const char* name) : saved_(std::setlocale(LC_ALL, nullptr))
    {
        EXPECT_TRUE(localeInstalled(name));
        std::setlocale(LC_ALL, name);
    }
    ~CLibraryLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    CLibraryLocale(const CLibraryLocale&) = delete;
    CLibraryLocale& operator=(const CLibraryLocale&) = delete;

private:
    std::string saved_;
};

// A program's environment in a locale, for all of its categories.
inline QProcessEnvironment environmentIn(const char* name)
{
    EXPECT_TRUE(localeInstalled(name));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(name));
    return environment;
}
