#pragma once

// One language in each message: the system's texts in the tools' messages (strerror's "No such
// file or directory", ...) follow the tools' own catalogue. Under a language the catalogue lacks,
// the tools speak English, and so does the system's part of each message.

#include <string>

namespace wsstool {

// The language of the tools' catalogue that gettext uses now ("de"), from its header's Language
// field, or "" when the user's languages have none (the messages stay English) or the header
// does not say.
std::string catalogueLanguage();

// After the text domain is bound: without a catalogue the C library's messages become English (the
// C locale's LC_MESSAGES); with one, the C library picks from the user's languages (LANGUAGE=it:de)
// the one the catalogue speaks, not an earlier one only the system has.
void matchSystemTextsToCatalogue();

} // namespace wsstool
