#pragma once

// A file a tool converts, opened for reading; failures to open or read it are input failures.

#include <cstddef>
#include <filesystem>

namespace wsstool {

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
    [[noreturn]] void failOpen(int err);

    std::filesystem::path path_;
    int fd_ = -1;
    bool emptyRegular_ = false;
};

} // namespace wsstool
