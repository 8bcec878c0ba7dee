#include "message_language.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace wsstool {

std::string catalogueLanguage()
{
    // gettext gives a catalogue's header for the empty text, and the empty text itself without one.
    const char *const empty = "";
    const char *header = gettext(empty);
    if (header == empty || *header == '\0')
        return std::string();
    const char *field = std::strstr(header, "Language: ");
    if (!field)
        return std::string();
    field += std::strlen("Language: ");
    return std::string(field, std::strcspn(field, "\n"));
}

void matchSystemTextsToCatalogue()
{
    const std::string language = catalogueLanguage();
    if (language.empty()) {
        std::setlocale(LC_MESSAGES, "C");
        return;
    }
    // LANGUAGE only matters when it is set (and is read by the C library at each message).
    if (std::getenv("LANGUAGE"))
        setenv("LANGUAGE", language.c_str(), 1);
}

} // namespace wsstool
