#include "output_placement.h"

#include "backup_name.h"
#include "failure.h"
#include "i18n.h"

#include <cerrno>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wsstool {

namespace {

bool noReplaceUnsupported(int err)
{
    return err == EINVAL || err == ENOSYS || err == ENOTSUP;
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

// The earlier file gets its backup name before the new one takes its place, so at every moment
// the earlier content is under NAME or NAME.~N~ and NAME is never partial:
//  - with hard links: link(NAME, NAME.~N~), then rename(temp, NAME): NAME always exists;
//  - without (link() refused, e.g. FAT or some network file systems): rename(NAME, NAME.~N~)
//    without replacing, then rename(temp, NAME): for a moment only the backup holds it.
// A name taken meanwhile (EEXIST) moves on to the next N.
fs::path placeKeepingBackup(const char *temp, const fs::path &finalPath, const std::string &folder)
{
    const std::string finalName = finalPath.string();
    const char *final = finalName.c_str();
    const fs::path dir = finalPath.parent_path();
    const std::string base = finalPath.filename().string();
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
                /* TRANSLATORS: the output's name and its backup name, in quotes; the folder; the
                   system's reason. */
                format(_("cannot keep the earlier %s as %s in %s: %s; nothing was replaced"),
                    quote(finalPath.filename()).c_str(), quote(backupName).c_str(), folder.c_str(),
                    errorText(errno).c_str()));
        backupName = nextBackupName(base, {backupName});
    }
    if (::rename(temp, final) != 0) {
        const int err = errno;
        // Undo: the earlier file goes back to its name (or is still there, linked).
        if (linked)
            ::unlink(backup.c_str());
        else
            ::rename(backup.c_str(), final);
        failWriting(finalPath, folder, err);
    }
    return backup;
}

} // namespace

fs::path placeOutput(const std::string &tempPath, const fs::path &finalPath, const std::string &folder, bool force)
{
    const std::string finalName = finalPath.string();
    const char *temp = tempPath.c_str();
    const char *final = finalName.c_str();
    if (force) {
        if (::rename(temp, final) != 0)
            failWriting(finalPath, folder, errno);
        return {};
    }
    // No file of that name: take it, without replacing one that appears meanwhile.
    if (::renameat2(AT_FDCWD, temp, AT_FDCWD, final, RENAME_NOREPLACE) == 0)
        return {};
    struct stat st
    {
    };
    if (errno != EEXIST) {
        if (!noReplaceUnsupported(errno))
            failWriting(finalPath, folder, errno);
        if (::lstat(final, &st) != 0 && errno == ENOENT) {
            if (::rename(temp, final) != 0)
                failWriting(finalPath, folder, errno);
            return {};
        }
    }
    if (::lstat(final, &st) == 0 && S_ISDIR(st.st_mode))
        fail(kExitOutput,
            /* TRANSLATORS: the output's name, in quotes, and the folder it goes in. */
            format(_("cannot write %s in %s: a folder of that name is in the way; rename or move it"),
                quote(finalPath.filename()).c_str(), folder.c_str()));
    return placeKeepingBackup(temp, finalPath, folder);
}

void failWriting(const fs::path &final, const std::string &folder, int err)
{
    const std::string name = quote(final.filename());
    /* TRANSLATORS: the output's name, in quotes; the folder it goes in; the system's reason. */
    fail(kExitOutput, format(_("cannot write %s in %s: %s"), name.c_str(), folder.c_str(), errorText(err).c_str()));
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
