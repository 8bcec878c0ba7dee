#include "os_util/run_and_wait.h"

#include "platform/tool_process.h"

namespace OSUtil {

RunResult RunAndWait(const QString &commandLine, const QString &workingFolder)
{
    // Each run has its own process, so a run nested inside this one never touches it.
    ToolRun run;
    if (!run.start(commandLine, workingFolder))
        return run.result();
    bool ended = false;
    QObject::connect(&run, &ToolRun::finished, &run, [&ended] { ended = true; });
    while (!ended)
        Platform::WaitForEvents();
    return run.result();
}

} // namespace OSUtil
