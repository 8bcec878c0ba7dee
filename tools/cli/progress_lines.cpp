#include "progress_lines.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace wsstool {

std::string escapeName(std::string_view name)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0x0F];
            } else {
                out += c;
            }
        }
    }
    return out;
}

ProgressLines ProgressLines::fromEnvironment()
{
    const char *value = std::getenv("WSS_PROGRESS");
    if (!value || std::strcmp(value, "1") != 0)
        return {};
    // With standard output closed, descriptor 1 may later be one of the tool's own files: write
    // nothing there.
    if (::fcntl(STDOUT_FILENO, F_GETFD) < 0)
        return {};
    return ProgressLines(true);
}

// One write() a line, so each line is flushed as it happens and lines of one tool never mix.
void ProgressLines::line(std::initializer_list<std::string_view> fields) const
{
    if (!on_)
        return;
    std::string text;
    for (const std::string_view f : fields) {
        if (!text.empty())
            text += '\t';
        text += f;
    }
    text += '\n';
    const char *p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t r = ::write(STDOUT_FILENO, p, left);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return; // closed or broken: the conversion goes on
        p += r;
        left -= std::size_t(r);
    }
}

void ProgressLines::files(std::size_t count) const
{
    line({"files", std::to_string(count)});
}

void ProgressLines::start(std::size_t file, const std::filesystem::path &input) const
{
    line({"start", std::to_string(file), escapeName(input.native())});
}

void ProgressLines::kept(
    std::size_t file, const std::filesystem::path &output, const std::filesystem::path &backup) const
{
    line({"kept", std::to_string(file), escapeName(output.native()), escapeName(backup.native())});
}

void ProgressLines::wrote(std::size_t file, const std::filesystem::path &output) const
{
    line({"wrote", std::to_string(file), escapeName(output.native())});
}

void ProgressLines::same(std::size_t file, const std::filesystem::path &output) const
{
    line({"same", std::to_string(file), escapeName(output.native())});
}

void ProgressLines::skipped(std::size_t file, const std::filesystem::path &output) const
{
    line({"skipped", std::to_string(file), escapeName(output.native())});
}

void ProgressLines::failed(std::size_t file, const std::filesystem::path &input, int exitCode) const
{
    line({"failed", std::to_string(file), escapeName(input.native()), std::to_string(exitCode)});
}

} // namespace wsstool
