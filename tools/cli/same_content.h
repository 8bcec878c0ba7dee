#pragma once

// Whether an output holds the same bytes as another file: an existing output before the new one
// is placed (running the same conversion again changes nothing), and the earlier file that came
// out when it was (a run at the same time may have put those very bytes there meanwhile).

#include <filesystem>

namespace wsstool {

// Opens the regular file at `path` for a comparison: -1 (and errno) when it cannot, or when it is
// anything else (a named pipe, a device: never waited on).
int openToCompare(const std::filesystem::path &path);

// Whether the descriptors `a` and `b` hold exactly the same bytes (false on any doubt).
bool sameContent(int a, int b);

} // namespace wsstool
