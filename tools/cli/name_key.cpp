#include "name_key.h"

#include <sys/stat.h>

namespace wsstool {

std::string nameKey(const std::filesystem::path &file)
{
    const std::string folder = file.has_parent_path() ? file.parent_path().native() : std::string(".");
    struct stat st
    {
    };
    std::string key = folder;
    if (::stat(folder.c_str(), &st) == 0)
        key = std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino);
    key += '/';
    key += file.filename().native();
    return key;
}

} // namespace wsstool
