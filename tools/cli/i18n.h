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
#define _(text) ::wsstool::translate(text) // NOLINT(bugprone-reserved-identifier)
#define N_(text) text

namespace wsstool {

// gettext(), where the translation's printf conversions are the text's own: else (a catalogue
// planted beside the tools, or a mistake msgfmt --check did not see) the text itself, since
// format() would read arguments that are not there.
const char *translate(const char *text);
// ngettext(), checked the same way against the English form it stands for.
const char *translatePlural(const char *singular, const char *plural, unsigned long n);

// Whether two printf texts take the same arguments: the same conversions for each argument, in
// order or by number ("%2$s").
bool sameConversions(const char *a, const char *b);

// Takes the locale from the environment (LANG, LC_ALL, LANGUAGE, ...) and finds the translations
// beside the tools in a build, else in the installed locale folder (locale_folder.h). Called first
// in each tool's main().
void setUpTranslations();

// printf into a std::string, for messages: format(_("cannot open %s: %s"), name, why).
std::string format(const char *text, ...) __attribute__((format(printf, 1, 2)));

} // namespace wsstool
