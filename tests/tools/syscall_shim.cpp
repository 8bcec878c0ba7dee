// An LD_PRELOAD library for the tool tests: it stands between the WSS tools and the C library's
// calls for flushing, naming and reading files, and, as the test's environment asks, logs them in
// order or makes them fail. Built only for the tests; nothing in the program knows of it.
//
//   TALVEN_SHIM_LOG=FILE          appends a line for each call: "write NAME", "fsync NAME",
//                                 "fdatasync NAME", "syncfs", "fchmod NAME MODE",
//                                 "rename FROM TO [noreplace|exchange]", "link FROM TO" (NAME: the
//                                 file's last part; writes to the standard streams are not logged),
//                                 "opendir PATH" (the folder as given), "emfile PATH" (an open()
//                                 or mkostemp() refused for want of a descriptor)
//   TALVEN_SHIM_FAIL_FLUSH=1      fsync, fdatasync and syncfs of regular files fail with EIO
//   TALVEN_SHIM_NO_LINK=1         link() fails with EPERM (no hard links here)
//   TALVEN_SHIM_LINK_GONE=1       the first link() fails with ENOENT (the file lost its last
//                                 name between the lookup and the link)
//   TALVEN_SHIM_NO_EXCHANGE=1     renameat2(RENAME_EXCHANGE) fails with EINVAL (not on this file
//                                 system)
//   TALVEN_SHIM_FAIL_NAME=NAME    a rename or link to a file of that last part fails with EACCES
//   TALVEN_SHIM_KILL_AFTER_RENAME=N  SIGKILL right after the Nth rename or link that succeeds
//   TALVEN_SHIM_STALL_READ=NAME   a read() from a file of that last part, past its first bytes,
//                                 never returns (the process waits there for a signal)
//   TALVEN_SHIM_SHRINK_AT=NAME:N  a read() from a file of that last part at offset N or later
//                                 first cuts the file to N bytes (as if another program did)
//   TALVEN_SHIM_FD_LIMIT=N        open() and mkostemp() fail with EMFILE where the descriptor
//                                 would be N or more (a lower limit the tool does not know of)
//   TALVEN_SHIM_FAIL_CALL=CALL:N  the Nth fdatasync() or sync_file_range() (CALL) of a regular
//                                 file fails with EIO, that one only
//   TALVEN_SHIM_NO_NOREPLACE=1    renameat2(RENAME_NOREPLACE) fails with EINVAL (not on this file
//                                 system)
//   TALVEN_SHIM_APPEAR=NAME       just before the first renameat2(RENAME_NOREPLACE) to a file of
//                                 that last part, a file of that name holding "appeared" is made
//                                 (as if another program wrote it at that moment)
//   TALVEN_SHIM_OVERFLOW_READ=NAME  a read() from a file of that last part, past its first bytes,
//                                 uses up the stack (the thread faults with SIGSEGV)
//   TALVEN_SHIM_OVERFLOW_FDATASYNC=1  so does every fdatasync()
//   TALVEN_SHIM_FAULT_AT_EXIT=1   the process faults (SIGSEGV) as it exits, after main()
//   TALVEN_SHIM_READ_ONLY=NAME    a folder of that last part is on a read-only file system:
//                                 access() asking to write in it and mkostemp() of a file in it
//                                 fail with EROFS

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The C library's own function of that name.
#define NEXT(name) (reinterpret_cast<__typeof__(&(name))>(dlsym(RTLD_NEXT, #name)))

namespace {

const char *setting(const char *name)
{
    const char *v = getenv(name);
    return v && *v ? v : NULL;
}

const char *lastPart(const char *path)
{
    const char *slash = strrchr(path, '/');
    return slash ? slash + 1 : path;
}

// The last part of the file's name, or "" when it is not a regular file.
void nameOf(int fd, char *out, size_t size)
{
    char link[64], path[PATH_MAX];
    struct stat st;
    out[0] = '\0';
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return;
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0)
        return;
    path[n] = '\0';
    snprintf(out, size, "%s", lastPart(path));
}

// Opened as the library is loaded, so that the tool counts it among the descriptors open at its
// start, and logging never needs a descriptor the tool may have run out of.
int logFile = -1;

__attribute__((constructor)) void openLog()
{
    if (const char *file = setting("TALVEN_SHIM_LOG"))
        logFile = NEXT(open)(file, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
}

__attribute__((destructor)) void faultAtExit()
{
    if (setting("TALVEN_SHIM_FAULT_AT_EXIT"))
        raise(SIGSEGV);
}

void logLine(const char *format, ...)
{
    if (logFile < 0)
        return;
    const int saved = errno;
    char line[2 * PATH_MAX + 64];
    va_list args;
    va_start(args, format);
    const int n = vsnprintf(line, sizeof line - 1, format, args);
    va_end(args);
    if (n > 0) {
        const size_t length = size_t(n) < sizeof line - 1 ? size_t(n) : sizeof line - 2;
        line[length] = '\n';
        if (NEXT(write)(logFile, line, length + 1) < 0) { }
    }
    errno = saved;
}

void logFd(const char *call, int fd)
{
    char name[PATH_MAX];
    nameOf(fd, name, sizeof name);
    if (name[0])
        logLine("%s %s", call, name);
}

int failFlush(int fd)
{
    struct stat st;
    if (setting("TALVEN_SHIM_FAIL_FLUSH") && fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        errno = EIO;
        return 1;
    }
    return 0;
}

// Whether this is the call the test chose to fail ("fdatasync:2": the second fdatasync()).
int chosenCall(const char *call, int fd)
{
    static int counts[2];
    const char *chosen = setting("TALVEN_SHIM_FAIL_CALL");
    struct stat st;
    if (!chosen || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    const size_t n = strlen(call);
    if (strncmp(chosen, call, n) != 0 || chosen[n] != ':')
        return 0;
    int *count = &counts[call[0] == 's'];
    if (__atomic_add_fetch(count, 1, __ATOMIC_SEQ_CST) != atoi(chosen + n + 1))
        return 0;
    errno = EIO;
    return 1;
}

// Calls itself, a page of stack a call, until the stack is used up.
__attribute__((noinline)) int useUpStack(volatile char *caller, long depth)
{
    volatile char page[4096];
    page[0] = caller ? caller[0] : char(depth);
    if (depth > (1L << 40))
        return page[0];
    return useUpStack(page, depth + 1) + page[0];
}

int refusedName(const char *to)
{
    const char *name = setting("TALVEN_SHIM_FAIL_NAME");
    if (name && strcmp(lastPart(to), name) == 0) {
        errno = EACCES;
        return 1;
    }
    return 0;
}

// Whether `path` is in (or, with `itself`, is) the folder TALVEN_SHIM_READ_ONLY names, by the
// last part of its real path ("." in that folder too).
int readOnly(const char *path, int itself)
{
    const char *folder = setting("TALVEN_SHIM_READ_ONLY");
    if (!folder)
        return 0;
    char copy[PATH_MAX], real[PATH_MAX];
    snprintf(copy, sizeof copy, "%s", path);
    if (!itself) {
        char *slash = strrchr(copy, '/');
        if (slash)
            *slash = '\0';
        else
            snprintf(copy, sizeof copy, ".");
        if (!copy[0])
            snprintf(copy, sizeof copy, "/");
    }
    if (!realpath(copy, real) || strcmp(lastPart(real), folder) != 0)
        return 0;
    errno = EROFS;
    return 1;
}

void namedOne(void)
{
    static int named = 0;
    const char *after = setting("TALVEN_SHIM_KILL_AFTER_RENAME");
    if (after && ++named == atoi(after))
        raise(SIGKILL);
}

// Logs a descriptor refused ("emfile PATH"), by the system or by the limit below.
void refused(int fd, const char *path)
{
    if (fd < 0 && errno == EMFILE)
        logLine("emfile %s", path);
}

int overLimit(int fd)
{
    const char *limit = setting("TALVEN_SHIM_FD_LIMIT");
    if (fd >= 0 && limit && fd >= atoi(limit)) {
        close(fd);
        errno = EMFILE;
        return 1;
    }
    return 0;
}

// Another program's file takes the name `to` just before the tool renames onto it, once.
void appearBefore(const char *to)
{
    static int appeared = 0;
    const char *name = setting("TALVEN_SHIM_APPEAR");
    if (!name || appeared || strcmp(lastPart(to), name) != 0)
        return;
    appeared = 1;
    const int fd = NEXT(open)(to, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        if (NEXT(write)(fd, "appeared", 8) < 0) { }
        close(fd);
    }
}

} // namespace

extern "C" {

ssize_t write(int fd, const void *buf, size_t n)
{
    if (fd > 2)
        logFd("write", fd);
    return NEXT(write)(fd, buf, n);
}

ssize_t pwrite(int fd, const void *buf, size_t n, off_t offset)
{
    logFd("write", fd);
    return NEXT(pwrite)(fd, buf, n, offset);
}

ssize_t read(int fd, void *buf, size_t n)
{
    const char *stall = setting("TALVEN_SHIM_STALL_READ");
    if (stall) {
        char name[PATH_MAX];
        nameOf(fd, name, sizeof name);
        if (strcmp(name, stall) == 0 && lseek(fd, 0, SEEK_CUR) > 0)
            for (;;)
                pause();
    }
    if (const char *shrink = setting("TALVEN_SHIM_SHRINK_AT")) {
        char name[PATH_MAX], link[64];
        nameOf(fd, name, sizeof name);
        const char *colon = strrchr(shrink, ':');
        const off_t at = colon ? off_t(strtoll(colon + 1, NULL, 10)) : 0;
        snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        if (colon && strlen(name) == size_t(colon - shrink) && strncmp(name, shrink, size_t(colon - shrink)) == 0
            && lseek(fd, 0, SEEK_CUR) >= at)
            (void)truncate(link, at);
    }
    const char *overflow = setting("TALVEN_SHIM_OVERFLOW_READ");
    if (overflow) {
        char name[PATH_MAX];
        nameOf(fd, name, sizeof name);
        if (strcmp(name, overflow) == 0 && lseek(fd, 0, SEEK_CUR) > 0)
            useUpStack(NULL, 0);
    }
    return NEXT(read)(fd, buf, n);
}

int fsync(int fd)
{
    logFd("fsync", fd);
    return failFlush(fd) ? -1 : NEXT(fsync)(fd);
}

int fdatasync(int fd)
{
    logFd("fdatasync", fd);
    if (setting("TALVEN_SHIM_OVERFLOW_FDATASYNC"))
        useUpStack(NULL, 0);
    return failFlush(fd) || chosenCall("fdatasync", fd) ? -1 : NEXT(fdatasync)(fd);
}

int sync_file_range(int fd, off64_t offset, off64_t n, unsigned flags)
{
    logFd("sync_file_range", fd);
    return chosenCall("sync_file_range", fd) ? -1 : NEXT(sync_file_range)(fd, offset, n, flags);
}

int syncfs(int fd)
{
    logLine("syncfs");
    return failFlush(fd) ? -1 : NEXT(syncfs)(fd);
}

int fchmod(int fd, mode_t mode)
{
    char name[PATH_MAX];
    nameOf(fd, name, sizeof name);
    logLine("fchmod %s %o", name, unsigned(mode));
    return NEXT(fchmod)(fd, mode);
}

int rename(const char *from, const char *to)
{
    logLine("rename %s %s", lastPart(from), lastPart(to));
    if (refusedName(to))
        return -1;
    const int r = NEXT(rename)(from, to);
    if (r == 0)
        namedOne();
    return r;
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    const int exchange = (flags & RENAME_EXCHANGE) != 0;
    logLine("rename %s %s%s", lastPart(from), lastPart(to),
        exchange                         ? " exchange"
            : (flags & RENAME_NOREPLACE) ? " noreplace"
                                         : "");
    if (flags & RENAME_NOREPLACE)
        appearBefore(to);
    if ((flags & RENAME_NOREPLACE) && setting("TALVEN_SHIM_NO_NOREPLACE")) {
        errno = EINVAL;
        return -1;
    }
    if (exchange && setting("TALVEN_SHIM_NO_EXCHANGE")) {
        errno = EINVAL;
        return -1;
    }
    if (refusedName(to) || (exchange && refusedName(from)))
        return -1;
    const int r = NEXT(renameat2)(fromDir, from, toDir, to, flags);
    if (r == 0)
        namedOne();
    return r;
}

int link(const char *from, const char *to)
{
    logLine("link %s %s", lastPart(from), lastPart(to));
    if (setting("TALVEN_SHIM_NO_LINK")) {
        errno = EPERM;
        return -1;
    }
    static bool gone = false;
    if (setting("TALVEN_SHIM_LINK_GONE") && !gone) {
        gone = true;
        errno = ENOENT;
        return -1;
    }
    if (refusedName(to))
        return -1;
    const int r = NEXT(link)(from, to);
    if (r == 0)
        namedOne();
    return r;
}

DIR *opendir(const char *path)
{
    logLine("opendir %s", path);
    return NEXT(opendir)(path);
}

int open(const char *path, int flags, ...)
{
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list args;
        va_start(args, flags);
        mode = va_arg(args, mode_t);
        va_end(args);
    }
    int fd = NEXT(open)(path, flags, mode);
    if (overLimit(fd))
        fd = -1;
    refused(fd, path);
    return fd;
}

int mkostemp(char *pattern, int flags)
{
    if (readOnly(pattern, 0))
        return -1;
    int fd = NEXT(mkostemp)(pattern, flags);
    if (fd >= 0 && overLimit(fd)) {
        unlink(pattern);
        fd = -1;
    }
    refused(fd, pattern);
    return fd;
}

int access(const char *path, int mode)
{
    if ((mode & W_OK) && readOnly(path, 1))
        return -1;
    return NEXT(access)(path, mode);
}

} // extern "C"
