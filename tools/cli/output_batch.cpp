#include "output_batch.h"

#include "i18n.h"
#include "name_key.h"
#include "output_placement.h"
#include "same_content.h"
#include "temp_cleanup.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <memory>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wsstool {

namespace {

// How much a batch holds before it is flushed to disk and put in place: bounded so that a signal
// or a crash throws away little finished work, and the open files stay few.
constexpr std::size_t kBatchFiles = 64;
constexpr std::uint64_t kBatchBytes = std::uint64_t(64) << 20;
static_assert(kBatchFiles + 1 <= kTempFileSlots, "a signal must find every waiting file, and the one being written");
// Descriptors a conversion needs besides the waiting outputs: the input, the output being
// written, the existing output it is compared with, a folder listed for backup numbers or
// flushed, and some to spare.
constexpr std::size_t kDescriptorsAConversionNeeds = 8;

// The process's open descriptors now, the standard streams among them.
std::size_t openDescriptors()
{
    std::size_t count = 0;
    if (DIR *d = ::opendir("/proc/self/fd")) {
        while (const dirent *e = ::readdir(d))
            count += e->d_name[0] != '.';
        ::closedir(d);
        return count - 1; // not the listing's own
    }
    return 3;
}

std::size_t batchFilesNow()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return kBatchFiles;
    return OutputBatch::batchFilesFor(limit.rlim_cur, openDescriptors());
}

// A descriptor closed at the end of its scope.
struct Descriptor
{
    explicit Descriptor(int fd)
        : fd(fd)
    { }
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int fd;
};

// A new output gets the mode of a new file, 0666 less the umask (mkostemp() made it 0600).
void setNewFileMode(OutputFile &file)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(file.fd(), 0666 & ~mask) != 0)
        file.setError(errno);
    file.check();
}

} // namespace

std::size_t OutputBatch::batchFilesFor(std::uint64_t descriptorLimit, std::size_t openNow)
{
    const std::uint64_t needed = std::uint64_t(openNow) + kDescriptorsAConversionNeeds;
    if (descriptorLimit <= needed)
        return 1;
    return std::size_t(std::min<std::uint64_t>(descriptorLimit - needed, kBatchFiles));
}

OutputBatch::OutputBatch(RunContext &run, bool together, FailedItem failed)
    : run_(run)
    , together_(together)
    , batchFiles_(together ? batchFilesNow() : 1)
    , failed_(std::move(failed))
{ }

bool OutputBatch::placeWaiting()
{
    if (waiting_.empty())
        return false;
    placeAll();
    return true;
}

void OutputBatch::commit(OutputFile &&file)
{
    file.finishWriting();
    placeIfWaiting(file);
    // -n: an output that appeared while its input was converted is left as it is too.
    if (run_.noClobber && outputExists(file.finalPath())) {
        file.release(true);
        tellSkipped(number_, file.finalPath());
        return;
    }
    // Running the same conversion again changes nothing and leaves no backup behind. Checked
    // before the flush, which is most of the cost of a small file.
    if (!run_.force && sameAsExisting(file)) {
        file.release(true);
        run_.progress.same(number_, file.finalPath());
        return;
    }
    setNewFileMode(file);
    if (!together_) {
        if (::fsync(file.fd()) != 0)
            file.setError(errno);
        place(file, number_, true);
        return;
    }
    take(std::move(file));
}

bool OutputBatch::sameAsExisting(const OutputFile &file)
{
    int existing = openToCompare(file.finalPath());
    // For want of a descriptor, the waiting outputs give theirs back (none has this name).
    if (existing < 0 && (errno == EMFILE || errno == ENFILE) && placeWaiting())
        existing = openToCompare(file.finalPath());
    if (existing < 0)
        return false;
    const bool same = sameContent(file.fd(), existing);
    ::close(existing);
    return same;
}

void OutputBatch::place(OutputFile &file, std::size_t number, bool syncFolderNow)
{
    // Kept open to compare the earlier file with, once the new one has taken its name; the file's
    // own descriptor is closed first, as its close() may report a write error (NFS).
    const Descriptor newFile(::fcntl(file.fd(), F_DUPFD_CLOEXEC, 0));
    file.close();
    SignalBlock block;
    const EarlierFile earlier = run_.force ? EarlierFile::Replace
        : run_.noClobber                   ? EarlierFile::Leave
                                           : EarlierFile::KeepBackup;
    Placement placement;
    try {
        placement = placeOutput(file.tempPath(), file.finalPath(), file.folder(), earlier, run_.backups, newFile.fd);
    } catch (const EarlierUnderTempName &) {
        file.release(false); // the temporary name holds the earlier file now: keep it
        throw;
    }
    // -n, and a file took the name after the last look: it stays, and the new one goes.
    if (!placement.placed) {
        file.release(true);
        tellSkipped(number, file.finalPath());
        return;
    }
    file.release(false);
    const fs::path &backup = placement.backup;
    if (syncFolderNow)
        syncFolder(file.folder());
    if (!backup.empty()) {
        run_.progress.kept(number, file.finalPath(), backup);
        report(run_.toolName,
            /* TRANSLATORS: the output's name and the backup name it is kept under, in quotes. */
            format(_("kept the earlier %s as %s"), quote(file.finalPath()).c_str(), quote(backup).c_str()));
    }
    run_.progress.wrote(number, file.finalPath());
}

void OutputBatch::tellSkipped(std::size_t number, const fs::path &output)
{
    ++skipped_;
    run_.progress.skipped(number, output);
}

// An earlier output of the run waiting for the same name takes it first, so that the comparison
// and the backup see it, as they would one at a time.
void OutputBatch::placeIfWaiting(const OutputFile &file)
{
    if (waiting_.empty())
        return;
    const std::string key = nameKey(file.finalPath());
    if (std::any_of(waiting_.begin(), waiting_.end(), [&](const Waiting &w) { return w.key == key; }))
        placeAll();
}

void OutputBatch::take(OutputFile &&file)
{
    struct stat st
    {
    };
    if (::fstat(file.fd(), &st) == 0)
        bytes_ += std::uint64_t(st.st_size);
    std::string key = nameKey(file.finalPath());
    waiting_.push_back({item_, number_, std::move(key), std::make_unique<OutputFile>(std::move(file))});
    if (waiting_.size() >= batchFiles_ || bytes_ >= kBatchBytes)
        placeAll();
}

// One syncfs() per file system writes all the waiting files at once, much cheaper than a flush a
// file (tools/README.md); on a write error there, each file is flushed alone to learn which failed.
void OutputBatch::makeDurable()
{
    std::vector<std::pair<dev_t, bool>> synced; // file system, and whether syncfs() succeeded
    for (Waiting &w : waiting_) {
        const int fd = w.file->fd();
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
    std::vector<std::string> folders; // flushed once each, at the end
    for (Waiting &w : waiting_) {
        try {
            place(*w.file, w.number, false);
            if (std::find(folders.begin(), folders.end(), w.file->folder()) == folders.end())
                folders.push_back(w.file->folder());
        } catch (const Failure &f) {
            failed_(w.item, f);
        } catch (const std::exception &e) {
            /* TRANSLATORS: a failure nobody foresaw: the file's name, in quotes, and the reason, in
               English. */
            failed_(w.item, Failure{kExitInternal, format(_("%s: %s"), quote(w.file->finalPath()).c_str(), e.what())});
        }
        w.file.reset(); // removes the temporary file if it did not take its name
    }
    waiting_.clear();
    bytes_ = 0;
    for (const std::string &folder : folders)
        syncFolder(folder);
}

} // namespace wsstool
