#pragma once

#include "main_window/run_status.h"
#include "os_util/tool_run.h"

#include <QObject>
#include <QString>
#include <QTimer>

// One Decode or Encode in progress: the tool's run, what it is on, what its progress lines have
// said, and whether the user asked it to stop. The mouse pointer shows a small hourglass while it
// runs.
class ConversionRun : public QObject
{
    Q_OBJECT

public:
    // After Stop, a tool that has not ended within this time may be ended with Force stop.
    static constexpr int kForceStopDelayMs = 5000;

    ConversionRun(const RunSubject &subject, const QString &commandLine, QObject *parent = nullptr);
    ~ConversionRun() override;
    ConversionRun(const ConversionRun &) = delete;
    ConversionRun &operator=(const ConversionRun &) = delete;

    // Starts the tool in the subject's folder. Returns false when it could not start; result()
    // then says why, and ended() is not emitted.
    bool start();
    bool isRunning() const { return m_run.isRunning(); }
    bool stopRequested() const { return m_run.result().stopRequested; }
    // Asks the tool to end (SIGTERM); Force stop is offered when it is still running
    // kForceStopDelayMs later. Only this run: another run goes on as it was.
    void stop();
    bool forceStopOffered() const { return m_forceStopOffered; }
    void forceStop() { m_run.forceStop(); }

    const RunSubject &subject() const { return m_subject; }
    const QString &commandLine() const { return m_commandLine; }
    const RunProgress &progress() const { return m_progress; }
    const OSUtil::RunResult &result() const { return m_run.result(); }

signals:
    void changed(); // a progress line came, or Force stop is offered
    void ended();

private:
    void busy(bool on);

    RunSubject m_subject;
    QString m_commandLine;
    RunProgress m_progress;
    OSUtil::ToolRun m_run;
    QTimer m_forceStopTimer;
    bool m_forceStopOffered = false;
    bool m_busy = false;
};
