#pragma once

#include "os_util/tool_run.h"

#include <QString>

namespace OSUtil {

// Runs commandLine as ToolRun::start does and returns when the tool has ended. While it runs the
// window's events are handled, so the window stays live and another command may run nested
// inside this one; between events the program sleeps.
RunResult RunAndWait(const QString &commandLine, const QString &workingFolder = QString());

} // namespace OSUtil
