#pragma once

// An output file, written beside its final name under a hidden temporary name and put in place
// only once it is complete and on disk.

#include "run_context.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace wsstool {

// A file made beside `finalPath` under a hidden temporary name. The destructor removes it unless
// it has been put in place; so do SIGINT, SIGTERM and SIGHUP. A conversion writes it and hands it,
// complete, to the run's OutputBatch, which makes it durable and puts it in place: an existing
// file of the final name is never lost: unless the run was given -f, it is kept as NAME.~N~ (or
// left alone when its bytes equal the new output). See tools/README.md for the order of the steps.
class OutputFile
{
public:
    OutputFile(std::filesystem::path finalPath, RunContext &run);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;
    // Takes the temporary file over; `other` no longer removes it.
    OutputFile(OutputFile &&other) noexcept;
    OutputFile &operator=(OutputFile &&) = delete;

    // Buffered. The first error is kept (see failed()) and later writes are dropped.
    void write(const void *data, std::size_t n);
    void writeAt(std::uint64_t offset, const void *data, std::size_t n);
    // Writes out the buffer, so that the descriptor sees everything written so far.
    void flush();
    bool failed() const { return error_ != 0; }
    // Keeps a write error found elsewhere (the first one only).
    void setError(int err);
    // Throws the write error, if there was one.
    void check();

    int fd() const { return fd_; }
    const std::filesystem::path &finalPath() const { return final_; }
    const std::string &folder() const { return folder_; } // absolute, for messages

    // The steps of putting the complete file in place, in this order (OutputBatch takes them).
    // False when an existing file of the final name already holds the same bytes (never with -f):
    // the temporary file is then removed and the existing one left as it is. Otherwise the file
    // gets the mode of a new file (0666 less the umask).
    bool prepareToPlace();
    // Flushes the file's data to disk on its own (fsync).
    void syncData();
    // Closes the file, whose data is on disk, and puts it in place. The folder is flushed at once
    // unless `syncFolderNow` is false (a batch flushes each folder once, at the end).
    void finish(bool syncFolderNow);

private:
    [[noreturn]] void failWrite(int err);
    void writeAll(const unsigned char *p, std::size_t n);

    RunContext &run_;
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

} // namespace wsstool
