#pragma once

// A file a tool converts, opened for reading; failures to open or read it are input failures.
// Only a regular file (or a link to one) is read: a named pipe, a device or a socket could keep
// the run waiting forever, or have no place beside it for the output.

#include <cstddef>
#include <filesystem>
#include <string>

#include <sys/types.h>

namespace wsstool {

class InputFile
{
public:
    // Opens `path` without waiting on it; throws a Failure when it is not a regular file, and
    // OutOfDescriptors when no descriptor is left.
    explicit InputFile(std::filesystem::path path);
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    int fd() const { return fd_; }
    bool isEmptyRegularFile() const { return emptyRegular_; }
    // Reads up to n bytes; fewer only at the end of the file.
    std::size_t read(void *buf, std::size_t n);

private:
    [[noreturn]] void failOpen(int err);
    void readAhead();

    std::filesystem::path path_;
    int fd_ = -1;
    bool emptyRegular_ = false;
};

// Whether `path` stands for an open descriptor (/dev/stdin, /dev/fd/3, /proc/self/fd/0, or a link
// to one) rather than naming a file: its output would go into /dev or /proc.
bool namesDescriptor(const std::filesystem::path &path);

// "'x' is a named pipe, not a regular file", and the like, for what `mode` (st_mode) says `path`
// is; for anything but a regular file or a folder.
std::string notRegularFile(const std::filesystem::path &path, mode_t mode);

} // namespace wsstool
