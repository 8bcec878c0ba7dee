#pragma once

// What the two command-line tools share: argument checks and output naming, error reporting as
// one line plus an exit code, an input file, and an output file that is written under a
// temporary name and only renamed into place once it is complete.

#include <sndfile.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace wsstool {

// Exit codes, also listed in tools/README.md.
enum ExitCode : int {
    kExitOk = 0,
    kExitInput = 1, // input missing, unreadable, of the wrong kind, damaged or unsupported
    kExitUsage = 2, // wrong arguments, or the output would replace the input
    kExitOutput = 3, // the output could not be written (no space, no permission, ...)
    kExitInternal = 4, // out of memory or another unexpected failure
};

// Thrown to stop a conversion; runTool() prints the message and returns the code.
struct Failure
{
    int exitCode;
    std::string message;
};

[[noreturn]] void fail(int exitCode, std::string message);
std::string quote(const std::filesystem::path &p);
std::string errorText(int err);

struct ToolInfo
{
    const char *name; // "WSSdec.exe"
    const char *inputKind; // "WSS"
    const char *outputSuffix; // ".wav"
    const char *usage; // the line after "usage: NAME FILE"
    void (*convert)(const std::filesystem::path &input, const std::filesystem::path &output);
};

int runTool(const ToolInfo &tool, int argc, char **argv);

class InputFile
{
public:
    explicit InputFile(std::filesystem::path path);
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    int fd() const { return fd_; }
    bool isEmptyRegularFile() const { return emptyRegular_; }
    // Reads up to n bytes; fewer only at the end of the file.
    std::size_t read(void *buf, std::size_t n);

private:
    std::filesystem::path path_;
    int fd_ = -1;
    bool emptyRegular_ = false;
};

// A file made beside `finalPath` under a hidden temporary name. The destructor removes it unless
// commit() has renamed it into place; so do SIGINT, SIGTERM and SIGHUP.
class OutputFile
{
public:
    explicit OutputFile(std::filesystem::path finalPath);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Buffered. The first error is kept (see failed()) and later writes are dropped.
    void write(const void *data, std::size_t n);
    void writeAt(std::uint64_t offset, const void *data, std::size_t n);
    bool failed() const { return error_ != 0; }
    // Throws the write error, if there was one.
    void check();
    void commit();

    // libsndfile writing through this file. Write errors land in failed() / check().
    SNDFILE *openSndfile(SF_INFO &info);

private:
    friend struct OutputIo;
    void flush();
    void writeAll(const unsigned char *p, std::size_t n);
    void setError(int err);

    std::filesystem::path final_;
    std::string temp_;
    int fd_ = -1;
    int error_ = 0;
    bool committed_ = false;
    std::vector<unsigned char> buffer_;
};

struct SndfileCloser
{
    void operator()(SNDFILE *f) const { sf_close(f); }
};
using Sndfile = std::unique_ptr<SNDFILE, SndfileCloser>;

} // namespace wsstool
