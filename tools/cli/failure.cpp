#include "failure.h"

#include "i18n.h"
#include "progress_lines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace wsstool {

void fail(int exitCode, std::string message)
{
    throw Failure{exitCode, std::move(message)};
}

void failOpening(int exitCode, std::string message, int err)
{
    if (err == EMFILE || err == ENFILE)
        throw OutOfDescriptors{{exitCode, std::move(message)}};
    fail(exitCode, std::move(message));
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

// One write() a line: fprintf() to the unbuffered error output would put an 8 KiB buffer on the
// stack, and could write a line in pieces that another process's lines cut into.
void report(const char *toolName, const std::string &message)
{
    std::string line = toolName;
    line += ": ";
    line += message;
    line += '\n';
    std::fflush(stderr); // what stdio still holds comes first
    const char *p = line.data();
    std::size_t left = line.size();
    while (left > 0) {
        const ssize_t r = ::write(STDERR_FILENO, p, left);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return; // a closed error output never stops a conversion
        p += r;
        left -= std::size_t(r);
    }
}

} // namespace wsstool
