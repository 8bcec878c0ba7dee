// Loaded with LD_PRELOAD by bench/startup.sh: ends the program the moment it first sends pixels
// to the X server, after printing its peak memory and processor time so far ("first-draw KIB
// MILLISECONDS HOW" on standard error). The program's run time is then its time to first draw. Qt's X11 backing store
// sends a window's pixels with xcb_shm_put_image (shared memory) or, without it, copies them from a pixmap with
// xcb_copy_area; the first call of either is the first draw.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

[[noreturn]] void firstDraw(const char *how)
{
    char status[4096] = {};
    long peak = -1;
    const int fd = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        const ssize_t n = read(fd, status, sizeof status - 1);
        close(fd);
        if (n > 0) {
            if (const char *line = std::strstr(status, "VmHWM:"))
                std::sscanf(line + 6, "%ld", &peak);
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::fprintf(stderr, "first-draw %ld %.3f %s\n", peak, cpu, how);
    std::fflush(stderr);
    _exit(0);
}

} // namespace

// The xcb functions, declared with the arguments' sizes as libxcb has them; none is called on.
extern "C" {
__attribute__((visibility("default"))) unsigned xcb_shm_put_image(void *, unsigned, unsigned, unsigned short,
    unsigned short, unsigned short, unsigned short, unsigned short, short, short, unsigned char, unsigned char,
    unsigned char, unsigned, unsigned)
{
    firstDraw("shm");
}

__attribute__((visibility("default"))) unsigned xcb_copy_area(
    void *, unsigned, unsigned, unsigned, short, short, short, short, unsigned short, unsigned short)
{
    firstDraw("copy");
}
}
