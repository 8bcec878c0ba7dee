#include "main_window/conversion_run.h"

#include <QCursor>
#include <QGuiApplication>

ConversionRun::ConversionRun(const RunSubject &subject, const QString &commandLine, QObject *parent)
    : QObject(parent)
    , m_subject(subject)
    , m_commandLine(commandLine)
{
    connect(&m_run, &OSUtil::ToolRun::progress, this, [this](const OSUtil::ProgressEvent &event) {
        m_progress.add(event);
        emit changed();
    });
    connect(&m_run, &OSUtil::ToolRun::finished, this, [this] {
        busy(false);
        m_forceStopTimer.stop();
        m_forceStopOffered = false;
        emit ended();
    });
    m_forceStopTimer.setSingleShot(true);
    m_forceStopTimer.setInterval(kForceStopDelayMs);
    connect(&m_forceStopTimer, &QTimer::timeout, this, [this] {
        m_forceStopOffered = m_run.isRunning();
        emit changed();
    });
}

ConversionRun::~ConversionRun()
{
    // Only when the window itself goes away while the tool runs: the tool is waited for, and its
    // end is no longer reported to anyone.
    disconnect(&m_run, nullptr, this, nullptr);
    busy(false);
}

bool ConversionRun::start()
{
    // The folder part of the path as typed: the tool finds the bare name there, whatever the
    // program's current folder is.
    if (!m_run.start(m_commandLine, m_subject.folder))
        return false;
    busy(true);
    return true;
}

void ConversionRun::stop()
{
    if (!m_run.isRunning() || stopRequested())
        return;
    m_run.stop();
    m_forceStopTimer.start();
}

// The busy cursor is an arrow with a small hourglass: the window stays usable. Override cursors
// stack, so runs of the two rows side by side restore each other's correctly.
void ConversionRun::busy(bool on)
{
    if (on == m_busy)
        return;
    m_busy = on;
    if (on)
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}
