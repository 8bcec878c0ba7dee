#include "main_window/run_set.h"

#include "main_window/conversion_run.h"

RunSet::RunSet(QObject *parent)
    : QObject(parent)
{ }

bool RunSet::canStart(Action action) const
{
    return !m_closing && !isRunning(action);
}

bool RunSet::isRunning(Action action) const
{
    return (action == Action::Decode ? m_decode : m_encode) != nullptr;
}

bool RunSet::start(const RunSubject &subject, const QString &commandLine)
{
    if (!canStart(subject.action))
        return false;
    // The line tells of the runs since it was last idle.
    if (!isBusy()) {
        m_endedTexts.clear();
        m_outputs.clear();
    }
    auto *run = new ConversionRun(subject, commandLine, this);
    if (!run->start()) {
        ended(run);
        return false;
    }
    slot(subject.action) = run;
    m_shown = run;
    connect(run, &ConversionRun::changed, this, &RunSet::changed);
    // Queued: the report may open a message box, which is better not run inside the process's
    // own signal.
    connect(
        run, &ConversionRun::ended, this, [this, run] { ended(run); }, Qt::QueuedConnection);
    emit changed();
    return true;
}

void RunSet::ended(ConversionRun *run)
{
    ConversionRun *&own = slot(run->subject().action);
    if (own == run)
        own = nullptr;
    run->deleteLater();
    // The line goes on following the other row's run, if one is left.
    if (m_shown == run || !m_shown)
        m_shown = running().value(0);

    const RunSubject &subject = run->subject();
    m_endedTexts << RunStatus::ended(subject, run->progress(), run->result());
    for (const QString &output : run->progress().outputs)
        m_outputs << subject.outputsIn() + u'/' + output;
    const RunReport report = RunReports::failure(subject, run->commandLine(), run->result(), run->progress().failed);
    emit changed();
    if (report.text.isEmpty()) {
        checkClosing();
        return;
    }
    m_reports << report;
    emit reportWaiting();
}

std::optional<RunReport> RunSet::takeReport()
{
    if (m_reports.isEmpty()) {
        checkClosing();
        return std::nullopt;
    }
    return m_reports.takeFirst();
}

void RunSet::forgetEnded()
{
    if (isBusy())
        return;
    m_endedTexts.clear();
    m_outputs.clear();
    emit changed();
}

void RunSet::checkClosing()
{
    if (m_closing && !isBusy() && m_reports.isEmpty())
        emit readyToClose();
}

void RunSet::stop()
{
    for (ConversionRun *run : running())
        run->stop();
    emit changed();
}

void RunSet::forceStop()
{
    for (ConversionRun *run : running()) {
        if (run->forceStopOffered())
            run->forceStop();
    }
}

void RunSet::closeWhenDone()
{
    if (m_closing)
        return;
    m_closing = true;
    emit changed();
}

QString RunSet::text() const
{
    const QList<ConversionRun *> runs = running();
    if (m_closing && !runs.isEmpty()) {
        QList<RunSubject> subjects;
        for (const ConversionRun *run : runs)
            subjects << run->subject();
        return RunStatus::closing(subjects);
    }
    if (m_shown) {
        return m_shown->stopRequested() ? RunStatus::stopping(m_shown->subject())
                                        : RunStatus::running(m_shown->subject(), m_shown->progress());
    }
    return m_endedTexts.join(QStringLiteral(". "));
}

RunSet::Offers RunSet::offers() const
{
    const QList<ConversionRun *> runs = running();
    if (runs.isEmpty())
        return m_outputs.isEmpty() ? Offers() : Offers(Offer::ShowInFolder);
    Offers offers;
    for (const ConversionRun *run : runs) {
        if (!run->stopRequested())
            offers |= Offer::Stop;
        else if (run->forceStopOffered())
            offers |= Offer::ForceStop;
        else
            offers |= Offer::Stopping;
    }
    // A run not yet asked to stop keeps Stop (and Esc) within reach.
    if (offers.testFlag(Offer::Stop))
        offers.setFlag(Offer::Stopping, false);
    return offers;
}

int RunSet::progressValue() const
{
    return m_shown ? m_shown->progress().finished() : 0;
}

int RunSet::progressMaximum() const
{
    if (!m_shown || !m_shown->subject().isPattern())
        return -1;
    return qMax(0, m_shown->progress().total);
}

QList<ConversionRun *> RunSet::running() const
{
    QList<ConversionRun *> runs;
    for (ConversionRun *run : {m_decode, m_encode}) {
        if (run)
            runs << run;
    }
    return runs;
}
