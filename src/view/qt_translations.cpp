#include "view/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace numbrel {

void installQtTranslations(QCoreApplication& app) {
    // qtbase alone holds the strings of Qt's widgets; the catalogue of all of Qt ("qt") would
    // also load those of modules Numbrel does not use.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace numbrel
