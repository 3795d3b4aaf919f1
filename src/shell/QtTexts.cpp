#include "QtTexts.h"

#include "platform/Locale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool QtTexts::install(int16_t language)
{
    auto* texts = new QTranslator(QCoreApplication::instance());
    const QString name = language == Locale::English ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_de");
    if (!texts->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete texts;
        return false;
    }
    return QCoreApplication::installTranslator(texts);
}
