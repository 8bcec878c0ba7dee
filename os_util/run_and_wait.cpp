#include "os_util/run_and_wait.h"

#include "os_util/command_line_text.h"
#include "platform/tool_process.h"

#include <QCoreApplication>

namespace OSUtil {

RunResult RunAndWait(const QString &commandLine, const QString &workingFolder)
{
    RunResult result;
    const QStringList words = SplitCommandLine(commandLine);
    if (words.isEmpty()) {
        result.error = QCoreApplication::translate("OSUtil", "the command line is empty");
        return result;
    }
    result.program = words.first();
    const QString path = Platform::FindTool(result.program);
    if (path.isEmpty()) {
        result.error = QCoreApplication::translate("OSUtil", "no such program in the program's folder or on the PATH");
        return result;
    }

    // Each run has its own process, so a run nested inside this one never touches it.
    Platform::ToolProcess tool;
    if (!tool.start(path, words.mid(1), workingFolder)) {
        result.error = tool.errorString();
        return result;
    }
    while (tool.isRunning())
        Platform::WaitForEvents();

    result.errorTail = tool.errorTail();
    if (tool.crashed()) {
        result.status = RunResult::Status::Signalled;
        result.signal = tool.exitCode();
    } else {
        result.status = RunResult::Status::Exited;
        result.exitCode = tool.exitCode();
    }
    return result;
}

} // namespace OSUtil
