#include "tool_support.h"

#include "command_line.h"
#include "file_patterns.h"
#include "progress_lines.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wsstool {

namespace {

constexpr std::size_t kWriteBuffer = 1 << 16;

// How much a batch holds before it is flushed to disk and put in place: bounded so that a signal
// or a crash throws away little finished work, and the open files stay few.
constexpr std::size_t kBatchFiles = 64;
constexpr std::uint64_t kBatchBytes = std::uint64_t(64) << 20;

// What runTool() sets for the outputs of the run: the tool's name for messages, and -f.
const char *g_toolName = "";
bool g_force = false;
// The progress lines of the run, and the number of the file being converted (1-based; the
// outputs it makes take it along).
ProgressLines g_progress;
std::size_t g_fileNumber = 0;

// The temporary files a signal handler must remove: the one being written and those waiting in
// the batch. Fixed storage, so that the handler only reads memory and calls unlink().
constexpr std::size_t kTempSlots = kBatchFiles + 1;
constexpr std::size_t kTempPathMax = 4096;
std::array<std::array<char, kTempPathMax>, kTempSlots> g_tempPaths;
std::array<volatile std::sig_atomic_t, kTempSlots> g_tempActive;

extern "C" void removeTempAndDie(int sig)
{
    for (std::size_t i = 0; i < kTempSlots; ++i)
        if (g_tempActive[i])
            ::unlink(g_tempPaths[i].data());
    // SA_RESETHAND put back the default action; it takes effect once this handler returns.
    ::raise(sig);
}

void installSignalHandlers()
{
    struct sigaction sa
    {
    };
    sa.sa_handler = removeTempAndDie;
    sa.sa_flags = SA_RESETHAND;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &sa, nullptr);
    // Past a file size limit, let write() fail with EFBIG and be reported, instead of dying.
    std::signal(SIGXFSZ, SIG_IGN);
}

class SignalBlock
{
public:
    SignalBlock()
    {
        sigset_t set;
        sigemptyset(&set);
        for (int sig : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&set, sig);
        sigprocmask(SIG_BLOCK, &set, &old_);
    }
    ~SignalBlock() { sigprocmask(SIG_SETMASK, &old_, nullptr); }

private:
    sigset_t old_;
};

bool sameFile(const fs::path &a, const fs::path &b)
{
    struct stat sa
    {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev
        && sa.st_ino == sb.st_ino;
}

void syncFolder(const std::string &folder);

// Set while a batch puts its files in place: the folders to flush once at the end, instead of
// after each rename.
std::vector<std::string> *g_foldersToSync = nullptr;

void folderChanged(const std::string &folder)
{
    if (!g_foldersToSync)
        syncFolder(folder);
    else if (std::find(g_foldersToSync->begin(), g_foldersToSync->end(), folder) == g_foldersToSync->end())
        g_foldersToSync->push_back(folder);
}

} // namespace

void fail(int exitCode, std::string message)
{
    throw Failure{exitCode, std::move(message)};
}

// Appended piece by piece: GCC 12 at -O3 misreads `"'" + s + "'"` as an overlapping copy
// (a false -Wrestrict warning).
std::string quote(const fs::path &p)
{
    const std::string &name = p.native();
    std::string quoted;
    quoted.reserve(name.size() + 2);
    quoted += '\'';
    quoted += name;
    quoted += '\'';
    return quoted;
}

std::string errorText(int err)
{
    return std::strerror(err);
}

namespace {

void printUsage(const ToolInfo &tool, std::FILE *to)
{
    std::fprintf(to,
        "usage: %s [-f] FILE...\n%s\n"
        "FILE may hold the wildcards * and ?: every ordinary file it names is converted.\n"
        "An existing output is kept as NAME.~N~ (left alone if it is the same).\n"
        "  -f, --force   replace an existing output without keeping it\n"
        "  -h, --help    show this help\n"
        "  --version     show the version\n"
        "  --            every later argument is a file name\n",
        tool.name, tool.usage);
}

void report(const ToolInfo &tool, const std::string &message)
{
    std::fprintf(stderr, "%s: %s\n", tool.name, message.c_str());
}

// Converts one file; returns its exit code after reporting a failure.
int convertOne(const ToolInfo &tool, const fs::path &input)
{
    try {
        const fs::path name = input.filename();
        struct stat st
        {
        };
        if (::stat(input.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            fail(kExitInput,
                quote(input) + " is a folder; give the " + tool.inputKind + " file to " + tool.verb + " in it");
        if (name.empty() || name == "." || name == "..")
            fail(kExitUsage, quote(input) + " is not a file name");
        fs::path output = input;
        output.replace_extension(tool.outputSuffix);
        if (output == input || sameFile(input, output))
            fail(kExitUsage,
                "the output " + quote(output) + " would replace the input; expected a " + tool.inputKind + " file");
        tool.convert(input, output);
        return kExitOk;
    } catch (const Failure &f) {
        report(tool, f.message);
        return f.exitCode;
    } catch (const std::bad_alloc &) {
        report(tool, "out of memory while converting " + quote(input));
    } catch (const std::exception &e) {
        report(tool, quote(input) + ": " + e.what());
    }
    return kExitInternal;
}

// One thing the run works through: a file to convert, or a pattern that names none.
struct Item
{
    fs::path file;
    std::string failure; // set when there is nothing to convert
    int exitCode = kExitOk;
    std::size_t number = 0; // of the files to convert, 1-based; 0 when there is nothing to convert
};

std::vector<Item> collectItems(const std::vector<std::string> &arguments)
{
    std::vector<Item> items;
    for (const std::string &arg : arguments) {
        struct stat st
        {
        };
        // A name that exists is taken as it is, wildcard characters and all.
        if (!hasWildcard(arg) || ::lstat(arg.c_str(), &st) == 0) {
            items.push_back({arg, {}, kExitOk, 0});
            continue;
        }
        PatternMatches matches = expandPattern(arg);
        if (matches.error != 0) {
            const std::string folder = arg.substr(0, arg.rfind('/') + 1);
            items.push_back({{},
                "cannot look for " + quote(arg) + " in the folder " + quote(folder) + ": " + errorText(matches.error),
                kExitInput, 0});
        } else if (matches.files.empty()) {
            items.push_back({{}, "no file matches " + quote(arg), kExitInput, 0});
        }
        for (fs::path &f : matches.files)
            items.push_back({std::move(f), {}, kExitOk, 0});
    }
    std::size_t number = 0;
    for (Item &item : items)
        if (item.failure.empty())
            item.number = ++number;
    return items;
}

} // namespace

// The outputs of a run over several files that wait to be put in place. Flushing each file to
// disk on its own costs a disk flush a file, which is most of the time a small file takes; the
// batch flushes all of them at once, then puts each in place in the order of the run, exactly
// as one at a time would (comparison, backup, rename). A file takes its name only after it is
// on disk, so a name never holds a partial file, even after a power cut.
class OutputBatch
{
public:
    OutputBatch(const ToolInfo &tool, const std::vector<Item> &items, std::vector<int> &codes)
        : tool_(tool)
        , items_(items)
        , codes_(codes)
    {
        g_batch = this;
    }
    ~OutputBatch() { g_batch = nullptr; } // files still waiting are removed by their destructors
    OutputBatch(const OutputBatch &) = delete;
    OutputBatch &operator=(const OutputBatch &) = delete;

    void setItem(std::size_t item) { item_ = item; }
    // Flushes the waiting files to disk and puts each in place; failures go to their item.
    void placeAll();

    // For OutputFile::commit(): an earlier output of the run waiting for the same name takes it
    // first, so the comparison and the backup see it, as they would one at a time.
    static void placeIfWaiting(const OutputFile &file);
    // Takes over a complete, unflushed file; false when the run has no batch.
    static bool take(OutputFile &file);

private:
    struct Waiting
    {
        std::size_t item;
        std::string key; // folder identity and name: the same output under any spelling
        std::unique_ptr<OutputFile> file;
    };
    static std::string keyOf(const OutputFile &file);
    void makeDurable();

    static OutputBatch *g_batch;
    const ToolInfo &tool_;
    const std::vector<Item> &items_;
    std::vector<int> &codes_;
    std::size_t item_ = 0;
    std::vector<Waiting> waiting_;
    std::uint64_t bytes_ = 0;
};

OutputBatch *OutputBatch::g_batch = nullptr;

std::string OutputBatch::keyOf(const OutputFile &file)
{
    struct stat st
    {
    };
    std::string key = file.folder_;
    if (::stat(file.folder_.c_str(), &st) == 0)
        key = std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino);
    key += '/';
    key += file.final_.filename().native();
    return key;
}

void OutputBatch::placeIfWaiting(const OutputFile &file)
{
    if (!g_batch || g_batch->waiting_.empty())
        return;
    const std::string key = keyOf(file);
    const auto &w = g_batch->waiting_;
    if (std::any_of(w.begin(), w.end(), [&](const Waiting &x) { return x.key == key; }))
        g_batch->placeAll();
}

bool OutputBatch::take(OutputFile &file)
{
    if (!g_batch)
        return false;
    std::unique_ptr<OutputFile> taken(new OutputFile);
    taken->final_ = std::move(file.final_);
    taken->temp_ = std::move(file.temp_);
    taken->folder_ = std::move(file.folder_);
    taken->fd_ = file.fd_;
    taken->slot_ = file.slot_;
    taken->number_ = file.number_;
    file.fd_ = -1;
    file.committed_ = true; // the temporary file is the batch's now
    struct stat st
    {
    };
    if (::fstat(taken->fd_, &st) == 0)
        g_batch->bytes_ += std::uint64_t(st.st_size);
    std::string key = keyOf(*taken);
    g_batch->waiting_.push_back({g_batch->item_, std::move(key), std::move(taken)});
    if (g_batch->waiting_.size() >= kBatchFiles || g_batch->bytes_ >= kBatchBytes)
        g_batch->placeAll();
    return true;
}

// One syncfs() per file system writes all the waiting files at once. Measured over 1,000 small
// files: about 1.5 ms a file in all, against 3 to 9 ms with one fsync() a file, and 6 ms with an
// fdatasync() of each file after the batch. syncfs() reports a write error of any file on that
// file system (Linux 5.8 and later); then each file there is flushed on its own, which says which
// one failed. The cost: syncfs() also writes what other programs have not yet written there.
void OutputBatch::makeDurable()
{
    std::vector<std::pair<dev_t, bool>> synced; // file system, and whether syncfs() succeeded
    for (Waiting &w : waiting_) {
        const int fd = w.file->fd_;
        struct stat st
        {
        };
        bool flushed = false;
        if (::fstat(fd, &st) == 0) {
            auto it = std::find_if(synced.begin(), synced.end(), [&](const auto &d) { return d.first == st.st_dev; });
            if (it == synced.end())
                it = synced.insert(synced.end(), {st.st_dev, ::syncfs(fd) == 0});
            flushed = it->second;
        }
        if (!flushed && ::fdatasync(fd) != 0)
            w.file->setError(errno);
    }
}

void OutputBatch::placeAll()
{
    if (waiting_.empty())
        return;
    makeDurable();
    std::vector<std::string> folders;
    g_foldersToSync = &folders;
    for (Waiting &w : waiting_) {
        try {
            w.file->finish();
        } catch (const Failure &f) {
            report(tool_, f.message);
            codes_[w.item] = f.exitCode;
        } catch (const std::exception &e) {
            report(tool_, quote(w.file->final_) + ": " + e.what());
            codes_[w.item] = kExitInternal;
        }
        if (codes_[w.item] != kExitOk)
            g_progress.failed(items_[w.item].number, items_[w.item].file, codes_[w.item]);
        w.file.reset(); // removes the temporary file if it did not take its name
    }
    g_foldersToSync = nullptr;
    waiting_.clear();
    bytes_ = 0;
    for (const std::string &folder : folders)
        syncFolder(folder);
}

int runTool(const ToolInfo &tool, int argc, char **argv)
{
    const Arguments args = parseArguments(argc, argv);
    if (args.help) {
        printUsage(tool, stdout);
        return kExitOk;
    }
    if (args.version) {
        std::printf("%s %s\n", tool.name, TALVEN_VERSION);
        return kExitOk;
    }
    if (args.files.empty()) {
        std::fprintf(stderr, "%s: no file named: give the %s file to %s\n", tool.name, tool.inputKind, tool.verb);
        printUsage(tool, stderr);
        return kExitUsage;
    }
    installSignalHandlers();
    g_toolName = tool.name;
    g_force = args.force;
    g_progress = ProgressLines::fromEnvironment();

    const std::vector<Item> items = collectItems(args.files);
    std::vector<int> codes(items.size(), kExitOk);
    g_progress.files(
        std::size_t(std::count_if(items.begin(), items.end(), [](const Item &item) { return item.failure.empty(); })));
    {
        // A single file keeps the plain path: flushed, then put in place.
        std::unique_ptr<OutputBatch> batch;
        if (items.size() > 1)
            batch = std::make_unique<OutputBatch>(tool, items, codes);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Item &item = items[i];
            if (batch)
                batch->setItem(i);
            codes[i] = item.exitCode;
            if (!item.failure.empty()) {
                report(tool, item.failure);
                continue;
            }
            g_fileNumber = item.number;
            g_progress.start(item.number, item.file);
            codes[i] = convertOne(tool, item.file);
            if (codes[i] != kExitOk)
                g_progress.failed(item.number, item.file, codes[i]);
        }
        if (batch)
            batch->placeAll();
    }
    int firstFailure = kExitOk;
    std::size_t failed = 0;
    for (const int code : codes) {
        if (code != kExitOk) {
            ++failed;
            if (firstFailure == kExitOk)
                firstFailure = code;
        }
    }
    if (failed > 0 && items.size() > 1)
        std::fprintf(stderr, "%s: %zu of %zu files %sd; %zu failed\n", tool.name, items.size() - failed, items.size(),
            tool.verb, failed);
    std::fflush(stderr);
    return firstFailure;
}

std::string nextBackupName(const std::string &name, const std::vector<std::string> &siblings)
{
    unsigned long highest = 0;
    const std::string prefix = name + ".~";
    for (const std::string &s : siblings) {
        if (s.size() < prefix.size() + 2 || s.compare(0, prefix.size(), prefix) != 0 || s.back() != '~')
            continue;
        const std::string digits = s.substr(prefix.size(), s.size() - prefix.size() - 1);
        if (digits.empty() || digits.size() > 9 || digits.front() == '0'
            || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        highest = std::max(highest, std::stoul(digits));
    }
    return prefix + std::to_string(highest + 1) + "~";
}

InputFile::InputFile(fs::path path)
    : path_(std::move(path))
{
    fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        fail(kExitInput, "cannot open " + quote(path_) + ": " + errorText(errno));
    struct stat st
    {
    };
    if (::fstat(fd_, &st) == 0) {
        if (S_ISDIR(st.st_mode))
            fail(kExitInput, "cannot open " + quote(path_) + ": " + errorText(EISDIR));
        emptyRegular_ = S_ISREG(st.st_mode) && st.st_size == 0;
    }
}

InputFile::~InputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t InputFile::read(void *buf, std::size_t n)
{
    auto *p = static_cast<unsigned char *>(buf);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t r = ::read(fd_, p + done, n - done);
        if (r == 0)
            break;
        if (r < 0) {
            if (errno == EINTR)
                continue;
            fail(kExitInput, "cannot read " + quote(path_) + ": " + errorText(errno));
        }
        done += std::size_t(r);
    }
    return done;
}

OutputFile::OutputFile(fs::path finalPath)
    : final_(std::move(finalPath))
{
    fs::path dir = final_.parent_path();
    if (dir.empty())
        dir = ".";
    std::error_code ec;
    const fs::path absolute = fs::absolute(dir, ec);
    folder_ = ec ? dir.string() : absolute.lexically_normal().string();
    if (folder_.size() > 1 && folder_.back() == '/')
        folder_.pop_back();
    // Hidden, and short enough for the file system even when the final name is at its limit.
    const std::string name = final_.filename().string().substr(0, 200);
    const std::string pattern = (dir / ("." + name + ".XXXXXX")).string();
    if (pattern.size() >= kTempPathMax)
        failWrite(ENAMETOOLONG);
    {
        SignalBlock block;
        const auto free = std::find(g_tempActive.begin(), g_tempActive.end(), 0);
        if (free == g_tempActive.end())
            failWrite(EMFILE); // more files open than a batch holds: cannot happen
        const auto slot = std::size_t(free - g_tempActive.begin());
        char *path = g_tempPaths[slot].data();
        std::memcpy(path, pattern.c_str(), pattern.size() + 1);
        fd_ = ::mkostemp(path, O_CLOEXEC);
        if (fd_ < 0)
            failWrite(errno);
        temp_ = path;
        slot_ = int(slot);
        g_tempActive[slot] = 1;
    }
    buffer_.reserve(kWriteBuffer);
    number_ = g_fileNumber;
}

void OutputFile::failWrite(int err)
{
    fail(kExitOutput, "cannot write " + quote(final_.filename()) + " in " + folder_ + ": " + errorText(err));
}

OutputFile::~OutputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_) {
        SignalBlock block;
        ::unlink(temp_.c_str());
        if (slot_ >= 0)
            g_tempActive[std::size_t(slot_)] = 0;
    }
}

void OutputFile::setError(int err)
{
    if (error_ == 0)
        error_ = err ? err : EIO;
}

void OutputFile::writeAll(const unsigned char *p, std::size_t n)
{
    while (error_ == 0 && n > 0) {
        const ssize_t r = ::write(fd_, p, n);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            setError(r < 0 ? errno : ENOSPC);
        } else {
            p += r;
            n -= std::size_t(r);
        }
    }
}

void OutputFile::flush()
{
    writeAll(buffer_.data(), buffer_.size());
    buffer_.clear();
}

void OutputFile::write(const void *data, std::size_t n)
{
    if (error_)
        return;
    const auto *p = static_cast<const unsigned char *>(data);
    if (buffer_.size() + n > kWriteBuffer)
        flush();
    if (n >= kWriteBuffer)
        writeAll(p, n);
    else
        buffer_.insert(buffer_.end(), p, p + n);
}

void OutputFile::writeAt(std::uint64_t offset, const void *data, std::size_t n)
{
    flush();
    if (error_)
        return;
    if (::pwrite(fd_, data, n, off_t(offset)) != ssize_t(n))
        setError(errno);
}

void OutputFile::check()
{
    if (error_)
        failWrite(error_);
}

namespace {

bool noReplaceUnsupported(int err)
{
    return err == EINVAL || err == ENOSYS || err == ENOTSUP;
}

// Whether the two files hold the same bytes (false on any doubt).
bool sameContent(const char *a, const char *b)
{
    const int fa = ::open(a, O_RDONLY | O_CLOEXEC);
    const int fb = ::open(b, O_RDONLY | O_CLOEXEC);
    bool same = false;
    struct stat sa
    {
    }, sb{};
    if (fa >= 0 && fb >= 0 && ::fstat(fa, &sa) == 0 && ::fstat(fb, &sb) == 0 && S_ISREG(sa.st_mode)
        && S_ISREG(sb.st_mode) && sa.st_size == sb.st_size) {
        std::vector<char> ba(kWriteBuffer), bb(kWriteBuffer);
        for (;;) {
            const ssize_t ra = ::read(fa, ba.data(), ba.size());
            const ssize_t rb = ::read(fb, bb.data(), bb.size());
            if (ra < 0 || ra != rb || !std::equal(ba.begin(), ba.begin() + ra, bb.begin()))
                break;
            if (ra == 0) {
                same = true;
                break;
            }
        }
    }
    if (fa >= 0)
        ::close(fa);
    if (fb >= 0)
        ::close(fb);
    return same;
}

std::vector<std::string> namesIn(const std::string &folder)
{
    std::vector<std::string> names;
    if (DIR *d = ::opendir(folder.c_str())) {
        while (const dirent *e = ::readdir(d))
            names.emplace_back(e->d_name);
        ::closedir(d);
    }
    return names;
}

// Makes the renames in `folder` last through a power cut. Some file systems cannot sync a
// folder; the renames have still happened, so a failure here is not reported.
void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void OutputFile::commit()
{
    flush();
    check();
    OutputBatch::placeIfWaiting(*this);
    // Running the same conversion again changes nothing and leaves no backup behind. Checked
    // before the fsync, which is most of the cost of a small file.
    if (!g_force && sameContent(temp_.c_str(), final_.c_str())) {
        {
            SignalBlock block;
            ::unlink(temp_.c_str());
            committed_ = true;
            g_tempActive[std::size_t(slot_)] = 0;
        }
        g_progress.same(number_, final_);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd_, 0666 & ~mask) != 0)
        setError(errno);
    check();
    if (OutputBatch::take(*this))
        return;
    if (::fsync(fd_) != 0)
        setError(errno);
    finish();
}

// Closes the file, whose data is on disk, and puts it in its place.
void OutputFile::finish()
{
    check();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        setError(errno);
    check();
    {
        SignalBlock block;
        place();
        committed_ = true;
        g_tempActive[std::size_t(slot_)] = 0;
    }
    g_progress.wrote(number_, final_);
}

void OutputFile::place()
{
    const std::string finalName = final_.string();
    const char *temp = temp_.c_str();
    const char *final = finalName.c_str();
    if (g_force) {
        if (::rename(temp, final) != 0)
            failWrite(errno);
        folderChanged(folder_);
        return;
    }
    // No file of that name: take it, without replacing one that appears meanwhile.
    if (::renameat2(AT_FDCWD, temp, AT_FDCWD, final, RENAME_NOREPLACE) == 0) {
        folderChanged(folder_);
        return;
    }
    struct stat st
    {
    };
    if (errno != EEXIST) {
        if (!noReplaceUnsupported(errno))
            failWrite(errno);
        if (::lstat(final, &st) != 0 && errno == ENOENT) {
            if (::rename(temp, final) != 0)
                failWrite(errno);
            folderChanged(folder_);
            return;
        }
    }
    if (::lstat(final, &st) == 0 && S_ISDIR(st.st_mode))
        fail(kExitOutput,
            "cannot write " + quote(final_.filename()) + " in " + folder_
                + ": a folder of that name is in the way; rename or move it");
    placeKeepingBackup(temp, final);
}

// The earlier file gets its backup name before the new one takes its place, so at every moment
// the earlier content is under NAME or NAME.~N~ and NAME is never partial:
//  - with hard links: link(NAME, NAME.~N~), then rename(temp, NAME): NAME always exists;
//  - without (link() refused, e.g. FAT or some network file systems): rename(NAME, NAME.~N~)
//    without replacing, then rename(temp, NAME): for a moment only the backup holds it.
// A name taken meanwhile (EEXIST) moves on to the next N.
void OutputFile::placeKeepingBackup(const char *temp, const char *final)
{
    const fs::path dir = final_.parent_path();
    const std::string base = final_.filename().string();
    std::string backupName = nextBackupName(base, namesIn(dir.empty() ? "." : dir.string()));
    fs::path backup;
    bool linked = true;
    for (;;) {
        backup = dir / backupName;
        const char *b = backup.c_str();
        int r;
        if (linked) {
            r = ::link(final, b);
            if (r != 0
                && (errno == EPERM || errno == ENOTSUP || errno == EXDEV || errno == EMLINK || errno == ENOSYS)) {
                linked = false;
                continue;
            }
        } else {
            r = ::renameat2(AT_FDCWD, final, AT_FDCWD, b, RENAME_NOREPLACE);
            if (r != 0 && noReplaceUnsupported(errno)) {
                struct stat st
                {
                };
                if (::lstat(b, &st) == 0)
                    errno = EEXIST;
                else
                    r = ::rename(final, b);
            }
        }
        if (r == 0)
            break;
        if (errno != EEXIST)
            fail(kExitOutput,
                "cannot keep the earlier " + quote(final_.filename()) + " as " + quote(backupName) + " in " + folder_
                    + ": " + errorText(errno) + "; nothing was replaced");
        backupName = nextBackupName(base, {backupName});
    }
    if (::rename(temp, final) != 0) {
        const int err = errno;
        // Undo: the earlier file goes back to its name (or is still there, linked).
        if (linked)
            ::unlink(backup.c_str());
        else
            ::rename(backup.c_str(), final);
        failWrite(err);
    }
    folderChanged(folder_);
    g_progress.kept(number_, final_, backup);
    std::fprintf(stderr, "%s: kept the earlier %s as %s\n", g_toolName, quote(final_).c_str(), quote(backup).c_str());
}

// libsndfile's virtual I/O over an OutputFile. Errors must not be thrown through libsndfile (a C
// library), so they are kept in the OutputFile and short counts are returned.
struct OutputIo
{
    static OutputFile &out(void *user) { return *static_cast<OutputFile *>(user); }

    static sf_count_t length(void *user)
    {
        OutputFile &o = out(user);
        o.flush();
        struct stat st
        {
        };
        return ::fstat(o.fd_, &st) == 0 ? st.st_size : -1;
    }
    static sf_count_t seek(sf_count_t offset, int whence, void *user)
    {
        OutputFile &o = out(user);
        o.flush();
        return ::lseek(o.fd_, off_t(offset), whence);
    }
    static sf_count_t read(void *ptr, sf_count_t count, void *user)
    {
        OutputFile &o = out(user);
        o.flush();
        const ssize_t r = ::read(o.fd_, ptr, std::size_t(count));
        return r < 0 ? 0 : r;
    }
    static sf_count_t write(const void *ptr, sf_count_t count, void *user)
    {
        OutputFile &o = out(user);
        o.write(ptr, std::size_t(count));
        return o.failed() ? 0 : count;
    }
    static sf_count_t tell(void *user)
    {
        OutputFile &o = out(user);
        o.flush();
        return ::lseek(o.fd_, 0, SEEK_CUR);
    }
};

SNDFILE *OutputFile::openSndfile(SF_INFO &info)
{
    static SF_VIRTUAL_IO io = {OutputIo::length, OutputIo::seek, OutputIo::read, OutputIo::write, OutputIo::tell};
    return sf_open_virtual(&io, SFM_WRITE, &info, this);
}

} // namespace wsstool
