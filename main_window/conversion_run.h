#pragma once

#include "main_window/run_status.h"
#include "os_util/tool_run.h"

#include <QObject>
#include <QString>

// One Decode or Encode in progress: the tool's run, what it is on, and what its progress lines
// have said. The mouse pointer shows a small hourglass while it runs.
class ConversionRun : public QObject
{
    Q_OBJECT

public:
    ConversionRun(const RunSubject &subject, const QString &commandLine, QObject *parent = nullptr);
    ~ConversionRun() override;
    ConversionRun(const ConversionRun &) = delete;
    ConversionRun &operator=(const ConversionRun &) = delete;

    // Starts the tool in the subject's folder. Returns false when it could not start; result()
    // then says why, and ended() is not emitted.
    bool start();
    bool isRunning() const { return m_run.isRunning(); }
    bool stopRequested() const { return m_run.result().stopRequested; }
    void stop() { m_run.stop(); }
    void forceStop() { m_run.forceStop(); }

    const RunSubject &subject() const { return m_subject; }
    const QString &commandLine() const { return m_commandLine; }
    const RunProgress &progress() const { return m_progress; }
    const OSUtil::RunResult &result() const { return m_run.result(); }

signals:
    void changed(); // a progress line came
    void ended();

private:
    void busy(bool on);

    RunSubject m_subject;
    QString m_commandLine;
    RunProgress m_progress;
    OSUtil::ToolRun m_run;
    bool m_busy = false;
};
