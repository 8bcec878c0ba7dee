#include "os_util/tool_run.h"

#include "os_util/command_line_text.h"
#include "platform/tool_process.h"

#include <QCoreApplication>

namespace OSUtil {

ToolRun::ToolRun(QObject *parent)
    : QObject(parent)
{ }

// The process, a child of this object, waits for the tool in its own destructor.
ToolRun::~ToolRun() = default;

bool ToolRun::start(const QString &commandLine, const QString &workingFolder)
{
    m_result = RunResult();
    const QStringList words = SplitCommandLine(commandLine);
    if (words.isEmpty()) {
        m_result.error = QCoreApplication::translate("OSUtil", "the command line is empty");
        return false;
    }
    m_result.program = words.first();
    const QString path = Platform::FindTool(m_result.program);
    if (path.isEmpty()) {
        m_result.error
            = QCoreApplication::translate("OSUtil", "no such program in the program's folder or on the PATH");
        return false;
    }

    m_process = new Platform::ToolProcess(this);
    connect(m_process, &Platform::ToolProcess::outputLine, this, &ToolRun::readLine);
    connect(m_process, &Platform::ToolProcess::finished, this, &ToolRun::end);
    const QString progressOn = QLatin1String(kProgressVariable) + QStringLiteral("=1");
    if (!m_process->start(path, words.mid(1), workingFolder, {progressOn})) {
        m_result.error = m_process->errorString();
        delete m_process;
        m_process = nullptr;
        return false;
    }
    return true;
}

bool ToolRun::isRunning() const
{
    return m_process && m_process->isRunning();
}

void ToolRun::stop()
{
    if (!isRunning())
        return;
    m_result.stopRequested = true;
    m_process->terminate();
}

void ToolRun::forceStop()
{
    if (!isRunning())
        return;
    m_result.stopRequested = true;
    m_process->kill();
}

void ToolRun::readLine(const QByteArray &line)
{
    if (const std::optional<ProgressEvent> event = ParseProgressLine(line))
        emit progress(*event);
}

void ToolRun::end()
{
    m_result.errorLines = m_process->errorLines();
    m_result.errorLinesLeftOut = m_process->errorLinesLeftOut();
    if (m_process->crashed()) {
        m_result.status = RunResult::Status::Signalled;
        m_result.signal = m_process->exitCode();
    } else {
        m_result.status = RunResult::Status::Exited;
        m_result.exitCode = m_process->exitCode();
    }
    emit finished();
}

} // namespace OSUtil
