#include "failure.h"

#include "i18n.h"
#include "progress_lines.h"

#include <cstdio>
#include <cstring>

namespace wsstool {

void fail(int exitCode, std::string message)
{
    throw Failure{exitCode, std::move(message)};
}

std::string quote(const std::filesystem::path &p)
{
    // TRANSLATORS: a file or folder's name in a message: put your language's quotation marks
    // around %s („%s“, « %s » with no-break spaces, «%s», “%s”, 「%s」).
    return format(_("'%s'"), escapeName(p.native()).c_str());
}

std::string errorText(int err)
{
    return std::strerror(err);
}

void report(const char *toolName, const std::string &message)
{
    std::fprintf(stderr, "%s: %s\n", toolName, message.c_str());
}

} // namespace wsstool
