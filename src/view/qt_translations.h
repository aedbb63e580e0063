#pragma once

class QCoreApplication;

namespace numbrel {

/// Loads Qt's own translations for the user's language (the display's context menu: Undo, Cut,
/// Copy, Paste, ...), when they are installed; on Debian they come with qt6-translations-l10n.
void installQtTranslations(QCoreApplication& app);

}  // namespace numbrel
