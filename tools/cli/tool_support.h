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
    const char *verb; // "decode"; "decoded" in the summary line
    const char *usage; // the lines after "usage: NAME [-f] FILE..."
    void (*convert)(const std::filesystem::path &input, const std::filesystem::path &output);
};

// The whole run: options, file names and patterns (all collected before anything is converted,
// so the run's own outputs are never matched), one conversion per file, one line per failure, a
// summary when several files were named and any failed. Returns the exit code.
int runTool(const ToolInfo &tool, int argc, char **argv);

// The backup name GNU cp/mv --backup=numbered would pick for NAME: NAME.~N~ with N one more than
// the highest N among `siblings` (the names in NAME's folder), so backups sort oldest first.
std::string nextBackupName(const std::string &name, const std::vector<std::string> &siblings);

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
// commit() has put it in place; so do SIGINT, SIGTERM and SIGHUP. commit() never loses an
// existing file of the final name: unless the run was given -f, it is kept as NAME.~N~ (or left
// alone when its bytes equal the new output). See tools/README.md for the order of the steps.
// In a run over several files, commit() may hand the temporary file to the run's batch, which
// flushes many files to disk at once and then puts each in place, in order.
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
    friend class OutputBatch;
    OutputFile() = default;
    void finish();
    void place();
    void placeKeepingBackup(const char *temp, const char *final);
    [[noreturn]] void failWrite(int err);
    void flush();
    void writeAll(const unsigned char *p, std::size_t n);
    void setError(int err);

    std::filesystem::path final_;
    std::string temp_;
    std::string folder_; // for messages: the absolute folder of the output
    int fd_ = -1;
    int slot_ = -1; // in the list of temporary files a signal removes
    std::size_t number_ = 0; // of the file the run is converting, for the progress lines
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
