#pragma once

// How a conversion fails: an exit code and one line of message, thrown as a Failure and reported
// by the run as "TOOL: message" on the error output.

#include <filesystem>
#include <string>

namespace wsstool {

// Exit codes, also listed in tools/README.md.
enum ExitCode : int {
    kExitOk = 0,
    kExitInput = 1, // input missing, unreadable, of the wrong kind, damaged or unsupported
    kExitUsage = 2, // wrong arguments, or the output would replace the input
    kExitOutput = 3, // the output could not be written (no space, no permission, ...)
    kExitInternal = 4, // out of memory or another unexpected failure
};

// Thrown to stop a conversion; the run prints the message and keeps the code.
struct Failure
{
    int exitCode;
    std::string message;
};

[[noreturn]] void fail(int exitCode, std::string message);

// The Failure of a file that could not be opened or made for want of a descriptor (EMFILE,
// ENFILE): the run puts the outputs waiting in its batch in place, which frees theirs, and tries
// the file once more.
struct OutOfDescriptors : Failure
{
};

// Throws OutOfDescriptors when `err` says no descriptor was left, else a plain Failure.
[[noreturn]] void failOpening(int exitCode, std::string message, int err);

// A file or folder name as messages show it: 'name' (in the quotation marks of the user's
// language), with the escapes of the progress lines
// (escapeName: a newline as \n, ...), so that a message stays one line whatever the name holds.
// Every name in a message goes through it.
std::string quote(const std::filesystem::path &p);
// The system's text for an errno value.
std::string errorText(int err);
// Prints "TOOL: message" as one line on the error output.
void report(const char *toolName, const std::string &message);

} // namespace wsstool
