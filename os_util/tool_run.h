#pragma once

#include "os_util/progress_line.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace Platform {
class ToolProcess;
}

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
    QStringList errorLines; // the non-blank lines it wrote to its error output, oldest first
    int errorLinesLeftOut = 0; // earlier lines dropped to bound the memory they take
    bool stopRequested = false; // stop() or forceStop() was called while it ran

    bool succeeded() const { return status == Status::Exited && exitCode == 0; }
};

// One run of a tool, started and then left to run while the window goes on: it reports each
// progress line the tool writes, and its end. Each run has its own process. The tool is never
// killed because the run object goes away: its destructor waits for the tool to end.
class ToolRun : public QObject
{
    Q_OBJECT

public:
    explicit ToolRun(QObject *parent = nullptr);
    ~ToolRun() override;

    // Starts commandLine in workingFolder (the current folder when empty). The first word names
    // the tool, which is looked for in the program's own folder, then on the PATH; the other
    // words are its arguments (SplitCommandLine: no shell takes part). The tool is asked for
    // progress lines (progress_line.h). Returns false when it could not be started: result()
    // says why, and finished() is not emitted.
    bool start(const QString &commandLine, const QString &workingFolder);

    bool isRunning() const;
    // Asks the tool to stop (SIGTERM): the WSS tools remove their temporary files and keep each
    // output already in place.
    void stop();
    // Ends the tool at once (SIGKILL), for a tool that does not stop when asked.
    void forceStop();

    // What became of the run; complete once finished() has been emitted.
    const RunResult &result() const { return m_result; }

signals:
    void progress(const OSUtil::ProgressEvent &event);
    void finished();

private:
    void readLine(const QByteArray &line);
    void end();

    Platform::ToolProcess *m_process = nullptr;
    RunResult m_result;
};

} // namespace OSUtil
