#pragma once

// One file name under any spelling ("a.wav", "./a.wav", "snd/../a.wav"): the identity of its
// folder (device and inode) and its last part.

#include <filesystem>
#include <string>

namespace wsstool {

// The folder's identity when it can be found, else its path as given, then "/" and the last part.
std::string nameKey(const std::filesystem::path &file);

} // namespace wsstool
