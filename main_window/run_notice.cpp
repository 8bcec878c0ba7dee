// Telling the desktop how a long run ended when the user has gone to another window: a desktop
// notification, with Show in folder where the notification server offers actions, and the urgency
// hint that makes the task bar mark the window.

#include "main_window/run_set.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/os_util.h"

#include <QApplication>

void ZRNSoundEncodeDecode::tellDesktopWhenDone()
{
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
    const QString action = m_runs->outputs().isEmpty() ? QString() : tr("Show in folder");
    OSUtil::NotifyDesktop(this, windowTitle(), m_runs->text(), action, [this] { showInFolder(); });
    QApplication::alert(this);
}
