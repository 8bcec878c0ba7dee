#include "file_patterns.h"

#include "file_names/ordinary_file.h"
#include "file_names/wildcard_match.h"

#include <algorithm>
#include <cerrno>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>

namespace wsstool {

namespace {

struct DirCloser
{
    void operator()(DIR *d) const { ::closedir(d); }
};

} // namespace

// By hand: the standard library's UTF-8 conversions are deprecated (std::codecvt) or stop at the
// first invalid byte (iconv), and a file name may hold any bytes.
std::u32string decodeName(std::string_view bytes)
{
    std::u32string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
        const unsigned lead = byte(i);
        std::size_t length = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (lead < 0x80) {
            length = 1;
            cp = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            cp = lead & 0x1F;
            min = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            cp = lead & 0x0F;
            min = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            cp = lead & 0x07;
            min = 0x10000;
        }
        bool valid = length > 0 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (byte(i + k) & 0xC0) == 0x80;
            cp = (cp << 6) | (byte(i + k) & 0x3F);
        }
        valid = valid && cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (valid) {
            out.push_back(cp);
            i += length;
        } else {
            out.push_back(char32_t(0xDC00 | lead));
            ++i;
        }
    }
    return out;
}

bool hasWildcard(std::string_view argument)
{
    return file_names::hasWildcard(argument);
}

PatternMatches expandPattern(const std::string &argument)
{
    const std::string_view pattern = file_names::lastPart(std::string_view(argument));
    const std::string folder = argument.substr(0, argument.size() - pattern.size());
    PatternMatches result;
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.empty() ? "." : folder.c_str()));
    if (!dir) {
        result.error = errno;
        return result;
    }
    const std::u32string code = decodeName(pattern);
    std::vector<std::string> names;
    while (const dirent *entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (file_names::isHidden(name) || !file_names::wildcardMatch(code, decodeName(name)))
            continue;
        const std::string path = folder + entry->d_name;
        if (file_names::isOrdinaryFile(path.c_str(), name)) {
            names.emplace_back(name);
            continue;
        }
        // A folder that may be listed but not searched (read permission without execute) names
        // its files, yet says nothing about them: that is a folder that cannot be read.
        struct stat st
        {
        };
        if (::stat(path.c_str(), &st) != 0 && errno == EACCES) {
            result.error = EACCES;
            return result;
        }
    }
    // std::string compares as unsigned bytes: the byte order of the names.
    std::sort(names.begin(), names.end());
    for (const std::string &name : names)
        result.files.emplace_back(folder + name);
    return result;
}

} // namespace wsstool
