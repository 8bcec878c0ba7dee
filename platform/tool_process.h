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

// One run of a tool. Its standard output is read line by line (outputLine()); its error output is
// copied to this program's error output and kept. The process is never killed on our account:
// only terminate() and kill() end it early, and the destructor waits for it.
class ToolProcess : public QObject
{
    Q_OBJECT

public:
    // The longest line of standard output passed on; a longer one is dropped whole.
    static constexpr qsizetype kMaxOutputLine = qsizetype(64) * 1024;
    // How much error output is kept: the latest lines up to this many bytes.
    static constexpr qsizetype kMaxErrorBytes = qsizetype(1024) * 1024;

    explicit ToolProcess(QObject *parent = nullptr);
    ~ToolProcess() override;

    // Starts program in workingFolder (the current folder when empty), with this program's
    // environment plus the NAME=value settings in environment. Returns false, with the reason in
    // errorString(), when the process could not be started.
    bool start(const QString &program, const QStringList &arguments, const QString &workingFolder,
        const QStringList &environment = {});

    bool isRunning() const;
    bool crashed() const;
    // The exit code, or the number of the signal that stopped the process when crashed().
    int exitCode() const;
    QString errorString() const;
    // The non-blank lines the tool wrote to its error output, oldest first (a line is cut to its
    // last 4,096 bytes); errorLinesLeftOut() earlier ones were dropped to stay within
    // kMaxErrorBytes.
    QStringList errorLines() const;
    int errorLinesLeftOut() const { return m_errorLinesLeftOut; }

    // Asks the tool to end (SIGTERM); it may clean up first.
    void terminate();
    // Ends the tool at once (SIGKILL).
    void kill();

signals:
    // One line of the tool's standard output, without its line end.
    void outputLine(const QByteArray &line);
    // The tool has ended, and all it wrote has been read.
    void finished();

private:
    void readOutput();
    void readErrorOutput();
    void keepErrorLine(const QByteArray &line);

    QProcess m_process;
    QByteArray m_partialOutput;
    bool m_outputTooLong = false;
    std::deque<QByteArray> m_errorLines;
    qsizetype m_errorBytes = 0;
    int m_errorLinesLeftOut = 0;
    QByteArray m_partialLine;
    QString m_startProblem;
};

} // namespace Platform
