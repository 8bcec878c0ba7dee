#pragma once

namespace Platform {

// Whether a window can be shown: a display server is named, or Qt was told which platform to use.
bool HasDisplay();

} // namespace Platform
