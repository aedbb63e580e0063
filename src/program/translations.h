#pragma once

#include <QTranslator>

class QString;

namespace numbrel {

// The texts of the program in the user's language (LANGUAGE, else LC_ALL, LC_MESSAGES or LANG):
// Numbrel's own from share/numbrel/translations beside the program's folder, and Qt's own (the
// display's context menu: Undo, Cut, Copy, Paste, ...) where they are installed; on Debian they
// come with qt6-translations-l10n. They are loaded before the application object exists, so
// that --help and the message of a failed start speak the user's language too.
class Translations {
public:
    Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // One of Numbrel's texts, marked with QT_TRANSLATE_NOOP, in the user's language; for the
    // time before the application object exists, when tr() does not translate yet.
    QString text(const char* context, const char* source) const;

    // Hands the loaded translations to the application, for tr() and Qt's own texts.
    void install();

private:
    QTranslator m_numbrel;
    QTranslator m_qt;
};

}  // namespace numbrel
