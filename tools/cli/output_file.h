#pragma once

// An output being written: a hidden temporary file beside its final name, buffered writes, and
// the disk writing it while it is written. Placing it (comparison, mode, flush, name, backup) is
// the run's OutputBatch's job, which takes the complete file.

#include "early_writeback.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace wsstool {

// A file made beside `finalPath` under a hidden temporary name. The destructor removes it unless
// release() was called; so does a signal that ends the run (temp_cleanup.h).
class OutputFile
{
public:
    // Throws a Failure with kExitOutput when the file cannot be made (OutOfDescriptors when no
    // descriptor is left).
    explicit OutputFile(std::filesystem::path finalPath);
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
    // The writing is over: writes out the buffer, ends the early flushes and throws the first
    // write error, also one only an early flush saw (the final flush would not report it again).
    void finishWriting();
    // Closes the descriptor (after its data is on disk); throws what close() reports.
    void close();
    // The temporary name is no longer this file's to remove: it has taken its final name
    // (`removeFile` false), or it is removed now (true).
    void release(bool removeFile);

    int fd() const { return fd_; }
    const std::filesystem::path &finalPath() const { return final_; }
    const std::string &tempPath() const { return temp_; }
    const std::string &folder() const { return folder_; } // absolute, for messages

private:
    [[noreturn]] void failWrite(int err);
    void writeAll(const unsigned char *p, std::size_t n);

    std::filesystem::path final_;
    std::string temp_;
    std::string folder_; // for messages: the absolute folder of the output
    int fd_ = -1;
    int slot_ = -1; // in the list of temporary files a signal removes
    int error_ = 0;
    bool released_ = false;
    std::vector<unsigned char> buffer_;
    EarlyWriteback writeback_;
};

} // namespace wsstool
