#include "program/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace numbrel {
namespace {

// Linux names the running program's file here, also before Qt knows its own path.
QString translationsFolder() {
    const QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return programFolder + QStringLiteral("/" NUMBREL_TRANSLATIONS_FROM_PROGRAM);
}

}  // namespace

Translations::Translations() {
    // The user's languages, most wanted first. Numbrel's texts are written in English, so the
    // search ends at the first English one; on an English desktop no file is looked for.
    const QLocale locale;
    QString folder;
    for (QString language : locale.uiLanguages()) {
        if (language == u"C" || language == u"en" || language.startsWith(u"en-")) break;
        if (folder.isEmpty()) folder = translationsFolder();
        language.replace(u'-', u'_');
        if (m_numbrel.load(QStringLiteral("numbrel_") + language, folder)) break;
    }
    // qtbase alone holds the strings of Qt's widgets; the catalogue of all of Qt ("qt") would
    // also load those of modules Numbrel does not use.
    static_cast<void>(m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

QString Translations::text(const char* context, const char* source) const {
    const QString translated = m_numbrel.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

void Translations::install() {
    if (!m_numbrel.isEmpty()) QCoreApplication::installTranslator(&m_numbrel);
    if (!m_qt.isEmpty()) QCoreApplication::installTranslator(&m_qt);
}

}  // namespace numbrel
