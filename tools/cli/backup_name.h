#pragma once

// The name an earlier output is kept under: NAME.~N~, as GNU cp and mv --backup=numbered name it.

#include <string>
#include <vector>

namespace wsstool {

// NAME.~N~ with N one more than the highest N among `siblings` (the names in NAME's folder), so
// backups sort oldest first. Only N written in plain decimal, without leading zeros and of up to 9
// digits, counts; other names are passed over.
std::string nextBackupName(const std::string &name, const std::vector<std::string> &siblings);

} // namespace wsstool
