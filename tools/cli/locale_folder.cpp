#include "locale_folder.h"

namespace fs = std::filesystem;

namespace wsstool {

fs::path localeFolder(const fs::path &toolFolder, const fs::path &installed)
{
    std::error_code ec;
    fs::path beside = toolFolder / "locale";
    if (fs::is_directory(beside, ec))
        return beside;
    return (toolFolder / installed).lexically_normal();
}

fs::path localeFolderOfThisTool()
{
    std::error_code ec;
    const fs::path tool = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return TALVEN_LOCALE_DIR;
    return localeFolder(tool.parent_path(), TALVEN_LOCALE_DIR_FROM_TOOLS);
}

} // namespace wsstool
