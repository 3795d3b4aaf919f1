#include "Locale.h"

#include <QLocale>

namespace {

Locale& currentLocale()
{
    static Locale locale = Locale::system();
    return locale;
}

}  // namespace

int16_t Locale::languageFor(const std::string& twoLetterName)
{
    return twoLetterName == "en" ? English : German;
}

Locale Locale::system()
{
    const QLocale qt = QLocale::system();
    Locale locale;
    const QString name = qt.name();  // "de_DE", "en_US", "C"
    locale.SPRACHE = languageFor(name.left(2).toStdString());
    locale.DEZIMALPUNKT = qt.decimalPoint().toStdString();
    QString date = qt.dateFormat(QLocale::ShortFormat);
    if (!date.contains(QStringLiteral("yyyy")))
        date.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    if (qt.language() != QLocale::C)
        locale.dateFormat = date.toStdString();
    return locale;
}

const Locale& Locale::current()
{
    return currentLocale();
}

void Locale::setCurrent(const Locale& locale)
{
    currentLocale() = locale;
}
