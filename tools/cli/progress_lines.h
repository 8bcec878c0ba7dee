#pragma once

// The progress lines: with WSS_PROGRESS=1 in the environment, a tool tells on standard output what
// it does, one line an event, so that the window can say "Encoding 37 of 500" and "Wrote gun.wav".
// A line is fields separated by one TAB, ended by "\n", written and flushed on its own:
//   files N                    once, after the arguments are expanded: the files, and each
//                              pattern that names none (it fails, as in the summary)
//   start I INPUT              file I (1-based, of N) begins
//   kept I OUTPUT BACKUP       the existing OUTPUT was kept as BACKUP
//   wrote I OUTPUT             file I's output has taken its name
//   same I OUTPUT              the existing OUTPUT already held the new bytes; left as it was
//   skipped I OUTPUT           -n: OUTPUT exists, so file I was not converted; left as it was
//   failed I INPUT CODE        file I failed with exit code CODE (its message goes to stderr)
// Names are escaped (escapeName) so that a line stays one line. tools/README.md documents the
// lines as an interface. The lines are for a program, and are never translated.

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace wsstool {

// `\` as `\\`, TAB `\t`, newline `\n`, carriage return `\r`, every other byte below 0x20 and 0x7F
// as `\xHH` (lower-case hex); every other byte as it is.
std::string escapeName(std::string_view name);

class ProgressLines
{
public:
    ProgressLines() = default; // silent
    // On when WSS_PROGRESS is "1" and standard output is open. A closed or broken standard output
    // never stops a conversion: write errors are dropped (and SIGPIPE is ignored, temp_cleanup.h).
    static ProgressLines fromEnvironment();

    void files(std::size_t count) const;
    void start(std::size_t file, const std::filesystem::path &input) const;
    void kept(std::size_t file, const std::filesystem::path &output, const std::filesystem::path &backup) const;
    void wrote(std::size_t file, const std::filesystem::path &output) const;
    void same(std::size_t file, const std::filesystem::path &output) const;
    void skipped(std::size_t file, const std::filesystem::path &output) const;
    void failed(std::size_t file, const std::filesystem::path &input, int exitCode) const;

private:
    explicit ProgressLines(bool on)
        : on_(on)
    { }
    void line(std::initializer_list<std::string_view> fields) const;

    bool on_ = false;
};

} // namespace wsstool
