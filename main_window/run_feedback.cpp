// What the window shows while tools run and after: the status line and its buttons, the rows'
// state, and closing while a tool runs.

#include "main_window/conversion_run.h"
#include "main_window/status_line.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/os_util.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

QShortcut *keyWhileDisabled(QPushButton *button)
{
    auto *shortcut = new QShortcut(QKeySequence::mnemonic(button->text()), button->window());
    shortcut->setEnabled(false);
    return shortcut;
}

} // namespace

void ZRNSoundEncodeDecode::createStatusLine()
{
    m_status = new StatusLine(this);
    connect(m_status, &StatusLine::stopClicked, this, &ZRNSoundEncodeDecode::stopRuns);
    connect(m_status, &StatusLine::forceStopClicked, this, &ZRNSoundEncodeDecode::forceStopRuns);
    connect(m_status, &StatusLine::showInFolderClicked, this, &ZRNSoundEncodeDecode::showInFolder);
    m_decodeKeyWhileBusy = keyWhileDisabled(cmdDecode);
    m_encodeKeyWhileBusy = keyWhileDisabled(cmdEnCode);
    m_forceStopTimer.setSingleShot(true);
    m_forceStopTimer.setInterval(kForceStopDelayMs);
    connect(&m_forceStopTimer, &QTimer::timeout, this, [this] {
        m_forceStopOffered = !runningRuns().isEmpty();
        showStatus();
    });
}

void ZRNSoundEncodeDecode::showStatus()
{
    const QList<ConversionRun *> running = runningRuns();
    bool stopping = false;
    QStringList tools;
    for (const ConversionRun *run : running) {
        stopping = stopping || run->stopRequested();
        tools << run->subject().tool;
    }
    // Stop and Force stop act on every running tool.
    StatusLine::Action action = StatusLine::Action::Stop;
    if (m_forceStopOffered)
        action = StatusLine::Action::ForceStop;
    else if (stopping)
        action = StatusLine::Action::Stopping;

    const ConversionRun *shown = m_shownRun;
    if (shown && shown->subject().isPattern()) {
        const RunProgress &progress = shown->progress();
        m_status->setProgress(progress.finished(), qMax(0, progress.total));
    } else {
        m_status->setProgress(0, -1);
    }

    if (m_closing && !running.isEmpty()) {
        m_status->setText(RunStatus::closing(tools));
    } else if (shown) {
        m_status->setText(shown->stopRequested() ? RunStatus::stopping(shown->subject())
                                                 : RunStatus::running(shown->subject(), shown->progress()));
    } else {
        m_status->setText(m_lastText);
        if (running.isEmpty())
            action = m_lastOutputs.isEmpty() ? StatusLine::Action::None : StatusLine::Action::ShowInFolder;
    }
    m_status->setAction(action);
}

void ZRNSoundEncodeDecode::updateRows()
{
    // A row whose tool runs takes no second press (nor Enter in its field); while the window
    // waits to close, neither row does anything.
    cmdDecode->setEnabled(!m_closing && !m_decodeRun);
    cmdEnCode->setEnabled(!m_closing && !m_encodeRun);
    m_decodeKeyWhileBusy->setEnabled(!cmdDecode->isEnabled());
    m_encodeKeyWhileBusy->setEnabled(!cmdEnCode->isEnabled());
    for (QWidget *control :
        std::initializer_list<QWidget *>{txtWWSFileName, txtWavFileName, cmdSelectWWSFileName, cmdSelectWAVFileName})
        control->setEnabled(!m_closing);
}

void ZRNSoundEncodeDecode::stopRuns()
{
    const QList<ConversionRun *> running = runningRuns();
    if (running.isEmpty())
        return;
    for (ConversionRun *run : running)
        run->stop();
    m_forceStopTimer.start();
    showStatus();
}

void ZRNSoundEncodeDecode::forceStopRuns()
{
    for (ConversionRun *run : runningRuns())
        run->forceStop();
}

void ZRNSoundEncodeDecode::showInFolder()
{
    OSUtil::ShowInFileManager(m_lastOutputs);
}

void ZRNSoundEncodeDecode::closeEvent(QCloseEvent *event)
{
    // The tool is never killed by closing: the window waits for it, and says so.
    if (!runningRuns().isEmpty()) {
        event->ignore();
        m_closing = true;
        updateRows();
        showStatus();
        return;
    }
    QWidget::closeEvent(event);
}
