#pragma once

// The tools' messages in the user's language, through GNU gettext (the text domain
// "talven-sound"). Every message a user reads goes through _(); N_() marks a text that is
// translated later, where it is shown. A message is one whole sentence with printf-style
// placeholders, so that a translation may put the parts in its own order ("%2$s ... %1$s");
// a comment starting "TRANSLATORS:" just before it tells translators what a placeholder holds
// where that is not plain from the text. The progress lines are for programs and stay as they are.

#include <libintl.h>

#include <string>

// `_` is the name every gettext program and tool (xgettext, translators' editors) expects.
#define _(text) gettext(text) // NOLINT(bugprone-reserved-identifier)
#define N_(text) text

namespace wsstool {

// Takes the locale from the environment (LANG, LC_ALL, LANGUAGE, ...) and finds the translations
// beside the tools in a build, else in the installed locale folder (locale_folder.h). Called first
// in each tool's main().
void setUpTranslations();

// printf into a std::string, for messages: format(_("cannot open %s: %s"), name, why).
std::string format(const char *text, ...) __attribute__((format(printf, 1, 2)));

} // namespace wsstool
