#pragma once

#include <QLocale>
#include <QString>

namespace Platform {

// Puts the program in the user's language: loads the program's own translation (built into the
// program) for the first of locale's languages that it has, and Qt's translation of its own texts
// (the file dialog's, the message box's buttons) for that same language, from Qt's translations
// folder (Debian's qt6-translations-l10n). Without a translation for any of locale's languages the
// program stays in English, its source text, and so do Qt's texts and the system's (the C locale's
// messages); with one, LANGUAGE (when set) is narrowed to the language loaded, for the tools it
// starts. A second call replaces what the first loaded. Needs the application object. Returns the language loaded
// ("de"), or "".
QString LoadTranslations(const QLocale &locale = QLocale::system());

} // namespace Platform
