#pragma once

// Where the tools find their translations, LL/LC_MESSAGES/talven-sound.mo, wherever they run from.

#include <filesystem>

namespace wsstool {

// For a tool in toolFolder: the folder "locale" beside it when there is one (a build folder,
// build/bin/locale), else installed, taken from toolFolder when relative. Installed, the tools
// live in PREFIX/lib/talven-sound and their translations in PREFIX/share/locale, so a relative
// "../../share/locale" holds under any prefix (/usr for the package, /usr/local for cmake
// --install), where a path fixed at build time would not.
std::filesystem::path localeFolder(const std::filesystem::path &toolFolder, const std::filesystem::path &installed);

// localeFolder() for the running tool (/proc/self/exe), with the installed folder as the build
// placed it relative to the tools (TALVEN_LOCALE_DIR_FROM_TOOLS); the installed folder the build
// was configured for (TALVEN_LOCALE_DIR) when the tool cannot tell where it is.
std::filesystem::path localeFolderOfThisTool();

} // namespace wsstool
