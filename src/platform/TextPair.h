#pragma once

#include <QString>

#include <string>

// One text the program shows, in both its languages. German comes first: it is the
// language the program was written in and speaks unless English is asked for.
struct TextPair {
    std::string german;
    std::string english;

    std::string in(bool inEnglish) const { return inEnglish ? english : german; }
    QString inQt(bool inEnglish) const { return QString::fromStdString(in(inEnglish)); }
};
