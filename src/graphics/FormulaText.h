#pragma once

#include "platform/VbError.h"

#include <QString>

#include <vector>

// The inline markup of formula strings: "{code,count}" applies code to the next count
// characters ("{g,1}s" is a Greek s, σ; "{t,1}f" a subscript f). This class splits a
// string into its runs; drawing them is the drawing object's job.
class FormulaText {
public:
    struct Run {
        QString code;  // empty for plain text
        QString text;
        bool tagged = false;
    };

    // The runs in order. A tag without "," raises (the runs before it are in `parsed`);
    // a count that is no number raises a type mismatch.
    static std::vector<Run> runs(const QString& text, std::vector<Run>* parsed = nullptr);

    // The text without its tags, as it is measured for alignment.
    static QString withoutTags(const QString& text);

    // A number in scientific notation as mantissa*10 with the exponent raised:
    // "1.5E-03" becomes "1.5*10{h,3}-03". Other text is returned unchanged.
    static QString scientific(const QString& text);
};
