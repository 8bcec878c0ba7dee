#include "i18n.h"

#include "locale_folder.h"
#include "message_language.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>

namespace wsstool {

void setUpTranslations()
{
    std::setlocale(LC_ALL, "");
    bindtextdomain("talven-sound", localeFolderOfThisTool().c_str());
    textdomain("talven-sound");
    matchSystemTextsToCatalogue();
}

std::string format(const char *text, ...)
{
    std::va_list args;
    va_start(args, text);
    std::va_list measure;
    va_copy(measure, args);
    const int size = std::vsnprintf(nullptr, 0, text, measure);
    va_end(measure);
    std::string out;
    if (size < 0) {
        out = text; // a translation the C library cannot use: show it as it is rather than nothing
    } else {
        out.resize(std::size_t(size));
        std::vsnprintf(out.data(), out.size() + 1, text, args);
    }
    va_end(args);
    return out;
}

} // namespace wsstool
