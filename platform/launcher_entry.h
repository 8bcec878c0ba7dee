#pragma once

namespace Platform {

// The program's entry on the desktop's launcher, task bar or dock, where the desktop reads the
// com.canonical.Unity.LauncherEntry signal (KDE Plasma, Dash to Dock, Plank): a progress bar over
// the program's icon, and the entry marked for attention. Keyed by the program's desktop file id.
// Nothing happens where there is no session bus.
struct LauncherState
{
    double progress = 0; // 0 to 1
    bool progressVisible = false;
    bool urgent = false;
};
void ShowOnLauncher(const LauncherState &state);

} // namespace Platform
