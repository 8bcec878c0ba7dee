#include "platform/tool_process.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

// A tool that never ends a line of its error output must not make us keep all it writes.
constexpr qsizetype kMaxLineLength = 4096;

// Why a process could not enter folder, or "" when it could.
QString folderProblem(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    struct stat info;
    if (::stat(path.constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(info.st_mode))
        return QString::fromLocal8Bit(std::strerror(ENOTDIR));
    if (::access(path.constData(), X_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return QString();
}

} // namespace

QString FindExecutable(const QString &name, const QString &programFolder, const QString &searchPath)
{
    if (name.isEmpty())
        return QString();
    if (name.contains(u'/')) {
        const QFileInfo info(name);
        return info.isAbsolute() && info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    QStringList folders;
    if (QDir::isAbsolutePath(programFolder))
        folders << programFolder;
    for (const QString &folder : searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            folders << folder;
    }
    return folders.isEmpty() ? QString() : QStandardPaths::findExecutable(name, folders);
}

QString FindTool(const QString &name)
{
    return FindExecutable(name, ProgramFolder(), qEnvironmentVariable("PATH"));
}

void WaitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

ToolProcess::ToolProcess(QObject *parent)
    : QObject(parent)
{
    // Like an inherited handle, the tool reads our input; its output comes to us.
    m_process.setInputChannelMode(QProcess::ForwardedInputChannel);
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &ToolProcess::readOutput);
    connect(&m_process, &QProcess::readyReadStandardError, this, &ToolProcess::readErrorOutput);
    // QProcess reads what is left in the pipes before it announces the end.
    connect(&m_process, &QProcess::finished, this, &ToolProcess::finished);
}

ToolProcess::~ToolProcess()
{
    // The tool is never killed on our account: wait for it rather than leave it to QProcess,
    // whose destructor would kill it.
    if (m_process.state() != QProcess::NotRunning)
        m_process.waitForFinished(-1);
}

bool ToolProcess::start(
    const QString &program, const QStringList &arguments, const QString &workingFolder, const QStringList &environment)
{
    // Qt 6.4's QProcess leaves a pipe open each time a child fails to start, so the usual
    // reasons are caught here, before anything is opened: a working folder that cannot be
    // entered (the tool itself was found executable by FindExecutable).
    if (!workingFolder.isEmpty()) {
        m_startProblem = folderProblem(workingFolder);
        if (!m_startProblem.isEmpty())
            return false;
    }
    if (!environment.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &setting : environment) {
            const qsizetype eq = setting.indexOf(u'=');
            env.insert(setting.left(eq), eq < 0 ? QString() : setting.mid(eq + 1));
        }
        m_process.setProcessEnvironment(env);
    }
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    m_process.setWorkingDirectory(workingFolder);
    m_process.start();
    return m_process.waitForStarted(-1);
}

bool ToolProcess::isRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

bool ToolProcess::crashed() const
{
    return m_process.exitStatus() == QProcess::CrashExit;
}

int ToolProcess::exitCode() const
{
    return m_process.exitCode();
}

QString ToolProcess::errorString() const
{
    if (!m_startProblem.isEmpty())
        return m_startProblem;
    // QProcess names the failing call first ("execve: Permission denied", "chdir: ..."); the
    // user is better served by the reason alone.
    const QString text = m_process.errorString();
    const qsizetype colon = text.indexOf(QLatin1String(": "));
    const bool callNameFirst = colon > 0 && !text.left(colon).contains(u' ');
    return callNameFirst ? text.mid(colon + 2) : text;
}

QStringList ToolProcess::errorLines() const
{
    QStringList lines;
    for (const QByteArray &line : m_errorLines)
        lines << QString::fromLocal8Bit(line);
    if (!m_partialLine.trimmed().isEmpty())
        lines << QString::fromLocal8Bit(m_partialLine);
    return lines;
}

void ToolProcess::terminate()
{
    if (isRunning())
        m_process.terminate();
}

void ToolProcess::kill()
{
    if (isRunning())
        m_process.kill();
}

void ToolProcess::readOutput()
{
    const QByteArray data = m_process.readAllStandardOutput();
    qsizetype from = 0;
    for (qsizetype end = data.indexOf('\n'); end >= 0; end = data.indexOf('\n', from)) {
        m_partialOutput += data.mid(from, end - from);
        // A line too long is dropped whole, also one that came in a single read.
        if (!m_outputTooLong && m_partialOutput.size() <= kMaxOutputLine)
            emit outputLine(m_partialOutput);
        m_partialOutput.clear();
        m_outputTooLong = false;
        from = end + 1;
    }
    m_partialOutput += data.mid(from);
    // A line cut short could be read as a different one: a line too long is dropped whole.
    if (m_partialOutput.size() > kMaxOutputLine) {
        m_outputTooLong = true;
        m_partialOutput.clear();
    }
}

void ToolProcess::readErrorOutput()
{
    const QByteArray data = m_process.readAllStandardError();
    std::fwrite(data.constData(), 1, size_t(data.size()), stderr);
    std::fflush(stderr);

    qsizetype from = 0;
    for (qsizetype end = data.indexOf('\n'); end >= 0; end = data.indexOf('\n', from)) {
        m_partialLine += data.mid(from, end - from);
        if (m_partialLine.endsWith('\r'))
            m_partialLine.chop(1);
        if (!m_partialLine.trimmed().isEmpty())
            keepErrorLine(m_partialLine.right(kMaxLineLength));
        m_partialLine.clear();
        from = end + 1;
    }
    m_partialLine += data.mid(from);
    if (m_partialLine.size() > kMaxLineLength)
        m_partialLine = m_partialLine.right(kMaxLineLength);
}

void ToolProcess::keepErrorLine(const QByteArray &line)
{
    m_errorLines.push_back(line);
    m_errorBytes += line.size();
    while (m_errorBytes > kMaxErrorBytes) {
        m_errorBytes -= m_errorLines.front().size();
        m_errorLines.pop_front();
        ++m_errorLinesLeftOut;
    }
}

} // namespace Platform
