#include "message_language.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace wsstool {

namespace {

// The header of the catalogue gettext uses now, or "" without one: gettext gives a catalogue's
// header for the empty text, and the empty text itself without one.
std::string catalogueHeader()
{
    const char *const empty = "";
    const char *header = gettext(empty);
    return header == empty ? std::string() : std::string(header);
}

} // namespace

std::string catalogueLanguage()
{
    const std::string header = catalogueHeader();
    const std::string field = "Language: ";
    const std::size_t at = header.find(field);
    if (at == std::string::npos)
        return std::string();
    const std::size_t start = at + field.size();
    return header.substr(start, header.find('\n', start) - start);
}

void matchSystemTextsToCatalogue()
{
    if (catalogueHeader().empty()) {
        std::setlocale(LC_MESSAGES, "C");
        return;
    }
    // LANGUAGE only matters when it is set (and is read by the C library at each message).
    const std::string language = catalogueLanguage();
    if (!language.empty() && std::getenv("LANGUAGE"))
        setenv("LANGUAGE", language.c_str(), 1);
}

} // namespace wsstool
