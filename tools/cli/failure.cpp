#include "failure.h"

#include "progress_lines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

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

// Appended piece by piece: GCC 12 at -O3 misreads `"'" + s + "'"` as an overlapping copy
// (a false -Wrestrict warning).
std::string quote(const std::filesystem::path &p)
{
    const std::string name = escapeName(p.native());
    std::string quoted;
    quoted.reserve(name.size() + 2);
    quoted += '\'';
    quoted += name;
    quoted += '\'';
    return quoted;
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
