#include "output_placement.h"

#include "i18n.h"
#include "same_content.h"

#include <cerrno>
#include <cstdint>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wsstool {

namespace {

// The file system has no such rename (renameat2's flags): FAT, some network file systems.
bool renameUnsupported(int err)
{
    return err == EINVAL || err == ENOSYS || err == ENOTSUP;
}

// link() refused for this file or file system: no hard links there (FAT, some network file
// systems), too many links, or another user's file under fs.protected_hardlinks.
bool linkRefused(int err)
{
    return err == EPERM || err == ENOTSUP || err == EXDEV || err == EMLINK || err == ENOSYS;
}

// Renames without replacing: 0, EEXIST when `to` exists, or another errno. Where the file system
// has no RENAME_NOREPLACE, a check and a rename(), which only such file systems see apart.
int renameNoReplace(const char *from, const char *to)
{
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    const int err = errno;
    if (!renameUnsupported(err))
        return err;
    struct stat st
    {
    };
    if (::lstat(to, &st) == 0)
        return EEXIST;
    return ::rename(from, to) == 0 ? 0 : errno;
}

int exchange(const char *a, const char *b)
{
    return ::renameat2(AT_FDCWD, a, AT_FDCWD, b, RENAME_EXCHANGE) == 0 ? 0 : errno;
}

// Gives the earlier file of `final` a backup name with `give(backup)` (0 or an errno), from the
// next free number on: a name taken meanwhile (EEXIST) moves on to the next number.
class BackupNaming
{
public:
    BackupNaming(const fs::path &final, const std::string &folder, BackupNumbers &numbers)
        : final_(final)
        , folder_(folder)
        , base_(final.filename().string())
        , numbers_(numbers)
    { }

    // 0 once the backup has its name; else the errno of the last try (ERANGE: no next number).
    template <typename Give> int name(Give give)
    {
        std::uint64_t highest = numbers_.highest(folder_, base_);
        for (;;) {
            const std::optional<std::string> next = backupName(base_, highest);
            if (!next) {
                backup_ = final_.parent_path() / (base_ + ".~" + std::to_string(highest) + "~");
                return ERANGE;
            }
            backup_ = final_.parent_path() / *next;
            const int err = give(backup_.c_str());
            if (err != EEXIST) {
                if (err == 0)
                    numbers_.taken(folder_, base_, highest + 1);
                return err;
            }
            ++highest;
        }
    }

    const fs::path &backup() const { return backup_; }

    // The message of a backup name that could not be given, the earlier file left as it was.
    std::string message(int err) const
    {
        const std::string name = quote(final_.filename()), where = quote(folder_), backup = quote(backup_.filename());
        if (err == ERANGE)
            /* TRANSLATORS: the output's name, in quotes; the folder, in quotes; the backup with
               the highest number there can be, in quotes. */
            return format(_("cannot keep the earlier %s in %s: %s has the highest backup number there can be; "
                            "nothing was replaced"),
                name.c_str(), where.c_str(), backup.c_str());
        /* TRANSLATORS: the output's name and its backup name, in quotes; the folder, in quotes;
           the system's reason. */
        return format(_("cannot keep the earlier %s as %s in %s: %s; nothing was replaced"), name.c_str(),
            backup.c_str(), where.c_str(), errorText(err).c_str());
    }

    // The same, when the new file has taken NAME and the earlier one is left under `tempName`.
    std::string messageKeptAs(int err, const fs::path &tempName) const
    {
        const std::string name = quote(final_.filename()), where = quote(folder_), backup = quote(backup_.filename());
        /* TRANSLATORS: the output's name and its backup name, in quotes; the folder, in quotes;
           the system's reason; the hidden name the earlier file is left under, in quotes. */
        return format(_("cannot keep the earlier %s as %s in %s: %s; it is kept as %s"), name.c_str(), backup.c_str(),
            where.c_str(), errorText(err).c_str(), quote(tempName).c_str());
    }

private:
    const fs::path &final_;
    const std::string &folder_;
    std::string base_;
    BackupNumbers &numbers_;
    fs::path backup_;
};

// Whether the earlier file, now at `earlier`, holds the bytes of the new one: then its name is
// removed. Decided only once the new file has taken NAME, since until then another run may put
// those bytes there.
bool droppedAsSame(const char *earlier, int newFile)
{
    const int fd = openToCompare(earlier);
    if (fd < 0)
        return false;
    const bool same = sameContent(fd, newFile);
    ::close(fd);
    return same && ::unlink(earlier) == 0;
}

// Whether the two names are one file.
bool sameFile(const char *a, const char *b)
{
    struct stat sa
    {
    }, sb{};
    return ::lstat(a, &sa) == 0 && ::lstat(b, &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Another run put its own file in NAME between the link that gave `backup` the file there and
// the exchange, which brought the other run's file out to `temp`; that run kept the file the link
// gave `backup` itself, or replaced it (-f). So `backup` is dropped where its file has another
// name too or holds the new bytes, and so is the file that came out when it holds the new bytes;
// else it is kept under a backup name.
fs::path keepWhatCameOut(const char *temp, const fs::path &backup, int newFile, BackupNaming &naming)
{
    struct stat st
    {
    };
    bool backupKept = ::lstat(backup.c_str(), &st) == 0;
    if (backupKept && (st.st_nlink > 1 ? ::unlink(backup.c_str()) == 0 : droppedAsSame(backup.c_str(), newFile)))
        backupKept = false;
    if (droppedAsSame(temp, newFile))
        return backupKept ? backup : fs::path();
    const int err = naming.name([&](const char *name) { return renameNoReplace(temp, name); });
    if (err != 0)
        throw EarlierUnderTempName{{kExitOutput, naming.messageKeptAs(err, fs::path(temp).filename())}};
    return naming.backup();
}

// The earlier file gets its backup name and the new one takes NAME; at every moment NAME holds
// the earlier file or the whole new one, and the earlier content is under some name:
//  1. link(NAME, NAME.~N~), then renameat2(temp, NAME, RENAME_EXCHANGE) (rename() where the file
//     system cannot swap): both names hold the earlier file until the swap replaces NAME in one
//     step; what came out is the earlier file, whose temporary name is removed, unless another
//     run put its own file in NAME in between (keepWhatCameOut);
//  2. where link() is refused: renameat2(temp, NAME, RENAME_EXCHANGE) swaps the new file in and
//     the earlier one out, under the temporary name, which then becomes NAME.~N~ (if that fails,
//     the swap is undone);
//  3. where the exchange is refused too: rename(NAME, NAME.~N~) without replacing, then
//     rename(temp, NAME): for a moment only the backup name holds the earlier file.
fs::path placeKeepingBackup(
    const char *temp, const fs::path &finalPath, const std::string &folder, BackupNumbers &numbers, int newFile)
{
    const std::string finalName = finalPath.string();
    const char *final = finalName.c_str();
    BackupNaming naming(finalPath, folder, numbers);

    // link() finds no file (ENOENT) when the file it looked up at NAME lost its last name before
    // the link was made: another run put its own file in NAME and dropped the one that came out.
    // Then the step starts again with the file NAME holds now (a few times at most), or takes
    // NAME should it be free.
    int err = ENOENT;
    for (int attempt = 0; attempt < 8 && err == ENOENT; ++attempt) {
        err = naming.name([&](const char *backup) { return ::link(final, backup) == 0 ? 0 : errno; });
        if (err == ENOENT) {
            const int taken = renameNoReplace(temp, final);
            if (taken == 0)
                return {}; // NAME went meanwhile: nothing left to keep
            if (taken != EEXIST)
                failWriting(finalPath, folder, taken);
        }
    }
    if (err == 0) {
        const fs::path backup = naming.backup();
        // Swapped rather than renamed over, so that what comes out of NAME can be looked at;
        // where the file system cannot swap (or NAME went meanwhile), renamed over.
        err = exchange(temp, final);
        const bool cameOut = err == 0;
        if (renameUnsupported(err) || err == ENOENT)
            err = ::rename(temp, final) == 0 ? 0 : errno;
        if (err != 0) {
            ::unlink(backup.c_str()); // the earlier file is still NAME
            failWriting(finalPath, folder, err);
        }
        if (cameOut && !sameFile(temp, backup.c_str()))
            return keepWhatCameOut(temp, backup, newFile, naming);
        if (cameOut)
            ::unlink(temp); // the earlier file, which the backup keeps
        return droppedAsSame(backup.c_str(), newFile) ? fs::path() : backup;
    }
    if (!linkRefused(err))
        fail(kExitOutput, naming.message(err));

    err = exchange(temp, final);
    if (err == 0) {
        if (droppedAsSame(temp, newFile))
            return {};
        err = naming.name([&](const char *backup) { return renameNoReplace(temp, backup); });
        if (err == 0)
            return naming.backup();
        if (exchange(temp, final) == 0)
            fail(kExitOutput, naming.message(err));
        throw EarlierUnderTempName{{kExitOutput, naming.messageKeptAs(err, fs::path(temp).filename())}};
    }
    if (!renameUnsupported(err))
        failWriting(finalPath, folder, err);

    // Another run may take the earlier file away and put its own in NAME between these steps:
    // then that file is the one to keep, so the step starts again (a few times at most).
    for (int attempt = 0; attempt < 8; ++attempt) {
        err = naming.name([&](const char *backup) { return renameNoReplace(final, backup); });
        if (err != ENOENT)
            break;
        err = renameNoReplace(temp, final);
        if (err == 0)
            return {}; // another run took the earlier file away meanwhile: nothing left to keep
        if (err != EEXIST)
            failWriting(finalPath, folder, err);
    }
    if (err != 0)
        fail(kExitOutput, naming.message(err));
    if (::rename(temp, final) != 0) {
        err = errno;
        ::rename(naming.backup().c_str(), final); // the earlier file back to its name
        failWriting(finalPath, folder, err);
    }
    return droppedAsSame(naming.backup().c_str(), newFile) ? fs::path() : naming.backup();
}

} // namespace

Placement placeOutput(const std::string &tempPath, const fs::path &finalPath, const std::string &folder,
    EarlierFile earlier, BackupNumbers &numbers, int newFile)
{
    const std::string finalName = finalPath.string();
    const char *temp = tempPath.c_str();
    const char *final = finalName.c_str();
    if (earlier == EarlierFile::Replace) {
        if (::rename(temp, final) != 0)
            failWriting(finalPath, folder, errno);
        return {};
    }
    // No file of that name: take it, without replacing one that appears meanwhile.
    const int err = renameNoReplace(temp, final);
    if (err == 0)
        return {};
    if (err != EEXIST)
        failWriting(finalPath, folder, err);
    struct stat st
    {
    };
    if (::lstat(final, &st) == 0 && S_ISDIR(st.st_mode))
        fail(kExitOutput,
            /* TRANSLATORS: the output's name, in quotes, and the folder it goes in, in quotes. */
            format(_("cannot write %s in %s: a folder of that name is in the way; rename or move it"),
                quote(finalPath.filename()).c_str(), quote(folder).c_str()));
    if (earlier == EarlierFile::Leave)
        return {false, {}};
    return {true, placeKeepingBackup(temp, finalPath, folder, numbers, newFile)};
}

bool outputExists(const fs::path &final)
{
    struct stat st
    {
    };
    return ::lstat(final.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string absoluteFolder(const fs::path &final)
{
    fs::path dir = final.parent_path();
    if (dir.empty())
        dir = ".";
    std::error_code ec;
    const fs::path absolute = fs::absolute(dir, ec);
    std::string folder = ec ? dir.string() : absolute.lexically_normal().string();
    if (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

void refuseSpecialOutput(const fs::path &final, bool force)
{
    struct stat st
    {
    };
    if (::stat(final.c_str(), &st) != 0 || S_ISREG(st.st_mode) || (force && !S_ISDIR(st.st_mode)))
        return;
    const std::string name = quote(final.filename()), where = quote(absoluteFolder(final));
    if (S_ISDIR(st.st_mode))
        /* TRANSLATORS: the output's name, in quotes, and the folder it goes in, in quotes. */
        fail(kExitOutput,
            format(_("cannot write %s in %s: a folder of that name is in the way; rename or move it"), name.c_str(),
                where.c_str()));
    if (S_ISFIFO(st.st_mode))
        /* TRANSLATORS: the output's name, in quotes, and the folder it goes in, in quotes. */
        fail(kExitOutput,
            format(_("cannot write %s in %s: a named pipe of that name is in the way; rename or move it"), name.c_str(),
                where.c_str()));
    if (S_ISSOCK(st.st_mode))
        /* TRANSLATORS: the output's name, in quotes, and the folder it goes in, in quotes. */
        fail(kExitOutput,
            format(_("cannot write %s in %s: a socket of that name is in the way; rename or move it"), name.c_str(),
                where.c_str()));
    /* TRANSLATORS: the output's name, in quotes, and the folder it goes in, in quotes. */
    fail(kExitOutput,
        format(_("cannot write %s in %s: a device of that name is in the way; rename or move it"), name.c_str(),
            where.c_str()));
}

std::string writingMessage(const fs::path &final, const std::string &folder, int err)
{
    const std::string name = quote(final.filename()), where = quote(folder);
    /* TRANSLATORS: the output's name, in quotes; the folder it goes in, in quotes; the system's
       reason. */
    return format(_("cannot write %s in %s: %s"), name.c_str(), where.c_str(), errorText(err).c_str());
}

void failWriting(const fs::path &final, const std::string &folder, int err)
{
    fail(kExitOutput, writingMessage(final, folder, err));
}

void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace wsstool
