#pragma once

#include <QString>
#include <QStringList>

namespace OSUtil {

// What became of one run of a tool.
struct RunResult
{
    enum class Status { NotStarted, Exited, Signalled };

    Status status = Status::NotStarted;
    int exitCode = -1; // the tool's exit code, when it exited
    int signal = 0; // the signal that stopped it, when signalled
    QString program; // the tool as the command line names it
    QString error; // why it could not be started
    QStringList errorTail; // the last lines it wrote to its error output

    bool succeeded() const { return status == Status::Exited && exitCode == 0; }
};

// Runs commandLine and returns when the tool has ended. The first word names the tool, which is
// looked for in the program's own folder, then on the PATH; the other words are its arguments
// (see SplitCommandLine in command_line_text.h: no shell takes part). The tool runs in workingFolder, or in the
// current folder when that is empty. While it runs the window's events are handled, so the
// window stays live and another command may run nested inside this one; between events the
// program sleeps.
RunResult RunAndWait(const QString &commandLine, const QString &workingFolder = QString());

} // namespace OSUtil
