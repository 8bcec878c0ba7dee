#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <deque>

// Starting the external tools: finding them, running one process.
namespace Platform {

// Looks a tool up by name: in programFolder first, then in the folders of searchPath (a PATH-style
// list). Relative entries of searchPath ("", ".") are skipped, so a tool is never taken from the
// current folder. A name holding "/" must be an absolute path. Returns the absolute path, or "".
QString FindExecutable(const QString &name, const QString &programFolder, const QString &searchPath);

// FindExecutable in the running program's folder and this process's PATH.
QString FindTool(const QString &name);

// Sleeps until a window event or a process event arrives, then handles what is pending.
void WaitForEvents();

// One run of a tool. Its standard output goes straight to this program's standard output; its
// error output is copied to this program's error output and its last lines are kept.
class ToolProcess : public QObject
{
    Q_OBJECT

public:
    static constexpr int kErrorTailLines = 10;

    explicit ToolProcess(QObject *parent = nullptr);
    ~ToolProcess() override;

    // Starts program in workingFolder (the current folder when empty). Returns false, with the
    // reason in errorString(), when the process could not be started.
    bool start(const QString &program, const QStringList &arguments, const QString &workingFolder);

    bool isRunning() const;
    bool crashed() const;
    // The exit code, or the number of the signal that stopped the process when crashed().
    int exitCode() const;
    QString errorString() const;
    // The last lines, at most kErrorTailLines, that the tool wrote to its error output.
    QStringList errorTail() const;

private:
    void readErrorOutput();

    QProcess m_process;
    std::deque<QByteArray> m_errorLines;
    QByteArray m_partialLine;
    QString m_startProblem;
};

} // namespace Platform
