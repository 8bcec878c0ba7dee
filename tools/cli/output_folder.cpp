#include "output_folder.h"

#include "failure.h"
#include "file_names/output_name.h"
#include "i18n.h"

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wsstool {

fs::path outputPath(const fs::path &input, std::string_view suffix, const fs::path &folder)
{
    const fs::path name = file_names::outputName(std::string_view(input.filename().native()), suffix);
    return (folder.empty() ? input.parent_path() : folder) / name;
}

void checkOutputFolder(const fs::path &folder)
{
    struct stat st
    {
    };
    if (::stat(folder.c_str(), &st) != 0) {
        const int err = errno;
        if (err == ENOENT)
            /* TRANSLATORS: %s is the folder given with -o, in quotes. */
            fail(kExitOutput, format(_("the output folder %s does not exist"), quote(folder).c_str()));
        /* TRANSLATORS: the folder given with -o, in quotes, and the system's reason. */
        fail(kExitOutput,
            format(_("cannot use the output folder %s: %s"), quote(folder).c_str(), errorText(err).c_str()));
    }
    if (!S_ISDIR(st.st_mode))
        /* TRANSLATORS: %s is what was given with -o, in quotes: a file, not a folder. */
        fail(kExitOutput, format(_("the output folder %s is not a folder"), quote(folder).c_str()));
    // Asked of the system rather than found out by the first output: a read-only file system or a
    // folder of another user then stops the run before anything is converted.
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        const int err = errno;
        /* TRANSLATORS: the folder given with -o, in quotes, and the system's reason ("Read-only
           file system"). */
        fail(kExitOutput,
            format(_("cannot write in the output folder %s: %s"), quote(folder).c_str(), errorText(err).c_str()));
    }
}

} // namespace wsstool
