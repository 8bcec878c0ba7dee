// Telling the desktop how the runs go while the user looks elsewhere: a batch's progress on the
// launcher or task bar, and in the title while the window is minimised; and when a long run ends
// while the window is not active, a desktop notification, with Show in folder where the
// notification server offers actions, and the urgency hint that makes the task bar mark the window.

#include "main_window/run_set.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/os_util.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>

void ZRNSoundEncodeDecode::tellDesktopWhenDone()
{
    showProgressOnDesktop();
    if (m_runs->isBusy()) {
        if (!m_busyFor.isValid())
            m_busyFor.start();
        return;
    }
    if (!m_busyFor.isValid())
        return;
    const bool tookLong = m_busyFor.hasExpired(kNoticeAfterMs);
    m_busyFor.invalidate();
    if (!tookLong || isActiveWindow())
        return;
    m_launcherUrgent = true;
    OSUtil::ShowOnLauncher(0, false, true);
    const QString action = m_runs->outputs().isEmpty() ? QString() : tr("Show in folder");
    OSUtil::NotifyDesktop(this, windowTitle(), m_runs->text(), action, [this] { showInFolder(); });
    QApplication::alert(this);
}

int ZRNSoundEncodeDecode::progressPercent() const
{
    const int maximum = m_runs->progressMaximum();
    if (!m_runs->isBusy() || maximum <= 0)
        return -1;
    return int(qint64(m_runs->progressValue()) * 100 / maximum);
}

void ZRNSoundEncodeDecode::showProgressOnDesktop()
{
    // Once per percent: a batch of thousands of files sends a hundred signals, not one per file.
    const int percent = progressPercent();
    if (percent != m_launcherPercent) {
        m_launcherPercent = percent;
        OSUtil::ShowOnLauncher(qMax(0, percent) / 100.0, percent >= 0, false);
    }
    showTitle();
}

void ZRNSoundEncodeDecode::showTitle()
{
    const int percent = isMinimized() ? progressPercent() : -1;
    setWindowTitle(percent < 0
            ? m_title
            : tr("%1 % – %2", "the title while minimised: the batch's progress in percent, the title")
                  .arg(QLocale().toString(percent), m_title));
}

void ZRNSoundEncodeDecode::noteDesktopChange(const QEvent *event)
{
    if (!m_runs)
        return; // still being built
    if (event->type() == QEvent::WindowStateChange)
        showTitle();
    // The user has come back: the launcher no longer asks for attention.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_launcherUrgent) {
        m_launcherUrgent = false;
        OSUtil::ShowOnLauncher(0, false, false);
    }
}
