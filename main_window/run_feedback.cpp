// What the window shows while tools run and after: the status line and its buttons, the rows'
// state, the reports of failed runs, and closing while a tool runs. The runs themselves, and
// what to say about them, are the run set's.

#include "main_window/run_set.h"
#include "main_window/status_line.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/os_util.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPointer>
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
    m_runs = new RunSet(this);
    connect(m_status, &StatusLine::stopClicked, m_runs, &RunSet::stop);
    connect(m_status, &StatusLine::forceStopClicked, m_runs, &RunSet::forceStop);
    connect(m_status, &StatusLine::showInFolderClicked, this, &ZRNSoundEncodeDecode::showInFolder);
    connect(m_runs, &RunSet::changed, this, [this] {
        updateRows();
        showStatus();
    });
    connect(m_runs, &RunSet::reportWaiting, this, &ZRNSoundEncodeDecode::showReports);
    connect(m_runs, &RunSet::readyToClose, this, &QWidget::close);
    m_decodeKeyWhileBusy = keyWhileDisabled(cmdDecode);
    m_encodeKeyWhileBusy = keyWhileDisabled(cmdEnCode);
}

void ZRNSoundEncodeDecode::showInFolder()
{
    // Where nothing can show a folder, the user learns so, and where the files are, to copy.
    OSUtil::ShowInFileManager(
        m_runs->outputs(), [window = QPointer<ZRNSoundEncodeDecode>(this)](const QString &folder) {
            if (window) {
                OSUtil::ShowMessage(window,
                    tr("This desktop has no file manager and no program that opens folders, so the folder "
                       "cannot be shown. The files are in:\n%1")
                        .arg(folder));
            }
        });
}

void ZRNSoundEncodeDecode::showStatus()
{
    m_status->setProgress(m_runs->progressValue(), m_runs->progressMaximum());
    // What a run did is spoken at once; a batch's progress file by file, at a calm pace.
    m_status->setText(m_runs->text(), m_runs->isBusy() ? StatusLine::Speak::Calmly : StatusLine::Speak::Now);
    m_status->setAction(m_runs->offers());
    tellDesktopWhenDone();
}

void ZRNSoundEncodeDecode::updateRows()
{
    // A row whose tool runs takes no second press (nor Enter in its field); while the window
    // waits to close, neither row does anything.
    const bool closing = m_runs->closing();
    cmdDecode->setEnabled(m_runs->canStart(RunSubject::Action::Decode));
    cmdEnCode->setEnabled(m_runs->canStart(RunSubject::Action::Encode));
    returnFocusTo(cmdDecode, m_decodeFocus);
    returnFocusTo(cmdEnCode, m_encodeFocus);
    m_decodeKeyWhileBusy->setEnabled(!cmdDecode->isEnabled());
    m_encodeKeyWhileBusy->setEnabled(!cmdEnCode->isEnabled());
    for (QWidget *control :
        std::initializer_list<QWidget *>{txtWWSFileName, txtWavFileName, cmdSelectWWSFileName, cmdSelectWAVFileName})
        control->setEnabled(!closing);
}

void ZRNSoundEncodeDecode::noteFocusMovedFrom(QPushButton *button, FocusToReturn &focus)
{
    // A run that could not start left the button enabled, and the focus on it.
    focus.pending = !button->isEnabled();
    focus.movedTo = focusWidget();
}

void ZRNSoundEncodeDecode::returnFocusTo(QPushButton *button, FocusToReturn &focus)
{
    if (!focus.pending || !button->isEnabled())
        return;
    focus.pending = false;
    if (focusWidget() == focus.movedTo)
        button->setFocus(Qt::OtherFocusReason);
}

void ZRNSoundEncodeDecode::showReports()
{
    // One box at a time: a run that ends while a box is open waits for it to be answered.
    if (m_reporting)
        return;
    m_reporting = true;
    while (const std::optional<RunReport> report = m_runs->takeReport()) {
        // Where the outputs could not be written, another folder is offered at once.
        const QString offer = report->offersAnotherFolder ? RunReports::anotherFolderCaption() : QString();
        if (OSUtil::ShowMessageOffering(this, report->text, report->details, report->icon, offer))
            runInAnotherFolder(report->subject);
    }
    m_reporting = false;
}

void ZRNSoundEncodeDecode::closeEvent(QCloseEvent *event)
{
    // The tool is never killed by closing: the window waits for it, and says so. A question
    // still open is answered first, and starts nothing.
    if (m_runs->isBusy() || m_asking) {
        event->ignore();
        m_runs->closeWhenDone();
        return;
    }
    QWidget::closeEvent(event);
}
