#include "FormulaText.h"

#include "platform/Variant.h"

std::vector<FormulaText::Run> FormulaText::runs(const QString& text, std::vector<Run>* parsed)
{
    std::vector<Run> local;
    std::vector<Run>& result = parsed ? *parsed : local;
    result.clear();
    const qsizetype length = text.size();
    qsizetype p = 0;  // characters consumed
    bool previousPlain = false;
    while (p < length) {
        const qsizetype brace = text.indexOf(u'{', p);
        if (brace < 0) {
            result.push_back({QString(), text.mid(p), false});
            break;
        }
        if (!previousPlain && brace > p) {
            result.push_back({QString(), text.mid(p, brace - p), false});
            p = brace;
            previousPlain = true;
            continue;
        }
        const qsizetype close = text.indexOf(u'}', brace);
        if (close < 0) {  // an unclosed tag is text like any other
            result.push_back({QString(), text.mid(p), false});
            break;
        }
        const qsizetype comma = text.indexOf(u',', brace);
        if (comma < 0 || comma > close)
            throw VbError(5, "Ungültiger Prozeduraufruf oder ungültiges Argument");
        const QString code = text.mid(brace + 1, comma - brace - 1);
        const int count = Variant(text.mid(comma + 1, close - comma - 1).toStdString()).toInteger();
        if (code == u"c") {
            result.push_back({code, QString(QChar(static_cast<char16_t>(count))), true});
            p = close + 1;
        } else {
            const qsizetype end = std::min<qsizetype>(close + 1 + std::max(count, 0), length);
            result.push_back({code, text.mid(close + 1, end - close - 1), true});
            p = end;
        }
        previousPlain = false;
    }
    return result;
}

QString FormulaText::withoutTags(const QString& text)
{
    QString plain = text;
    for (;;) {
        const qsizetype open = plain.indexOf(u'{');
        if (open < 0)
            break;
        const qsizetype close = plain.indexOf(u'}', open);
        if (close < 0)
            break;
        plain.remove(open, close - open + 1);
    }
    return plain;
}

QString FormulaText::scientific(const QString& text)
{
    if (!Variant(text.toStdString()).isNumeric())
        return text;
    const qsizetype e = text.indexOf(u'E', 0, Qt::CaseInsensitive);
    if (e < 0)
        return text;
    const QString exponent = text.mid(e + 1);
    return text.left(e) + QStringLiteral("*10{h,") + QString::number(exponent.size()) + u'}' + exponent;
}
