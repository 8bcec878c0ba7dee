#pragma once

#include "main_window/run_report.h"
#include "main_window/run_status.h"

#include <QFlags>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

class ConversionRun;

// The window's runs of the tools, without the window: at most one run per row, each with its own
// stop and force-stop state; which run the status line follows; what it says, which buttons it
// offers and how far its bar has come; the reports of the runs that ended; and whether the window
// waits for the runs before it closes. The window shows what this says.
class RunSet : public QObject
{
    Q_OBJECT

public:
    using Action = RunSubject::Action;

    // The status line's buttons: Stop (greyed out while every running tool was asked to stop),
    // Force stop, Show in folder.
    enum class Offer { Stop = 1, Stopping = 2, ForceStop = 4, ShowInFolder = 8 };
    Q_DECLARE_FLAGS(Offers, Offer)

    explicit RunSet(QObject *parent = nullptr);

    // Whether a run of action may start: its row runs nothing, and the window is not closing.
    bool canStart(Action action) const;
    // Starts the tool on subject, unless canStart says no. A tool that could not start is reported
    // as a run that ended. Returns whether it runs.
    bool start(const RunSubject &subject, const QString &commandLine);
    bool isRunning(Action action) const;
    bool isBusy() const { return !running().isEmpty(); }

    // Stop asks every running tool not yet asked; Force stop ends every one it is offered for.
    void stop();
    void forceStop();

    // The window waits for the runs before it closes: from now on nothing starts, and
    // readyToClose() is emitted once the last run has ended and every report was taken.
    void closeWhenDone();
    bool closing() const { return m_closing; }

    // The status line: its text, buttons, and bar (maximum -1 hides it, 0 shows it busy).
    QString text() const;
    Offers offers() const;
    int progressValue() const;
    int progressMaximum() const;
    // The files written by the runs the line tells of, for Show in folder.
    const QStringList &outputs() const { return m_outputs; }

    // The line forgets how the last runs ended (a message about something else is shown); while
    // a run goes on it keeps following it.
    void forgetEnded();

    // The next report of a failed run, oldest first, once each; none when none is waiting.
    std::optional<RunReport> takeReport();

signals:
    // What the line says, or which rows run, changed.
    void changed();
    // A run ended with something to tell the user: see takeReport().
    void reportWaiting();
    void readyToClose();

private:
    QList<ConversionRun *> running() const;
    ConversionRun *&slot(Action action) { return action == Action::Decode ? m_decode : m_encode; }
    void ended(ConversionRun *run);
    void checkClosing();

    ConversionRun *m_decode = nullptr;
    ConversionRun *m_encode = nullptr;
    // The run the line follows: the one started last, until it ends; then the other, if it runs.
    QPointer<ConversionRun> m_shown;
    // How the runs ended since the line was last idle, and what they wrote.
    QStringList m_endedTexts;
    QStringList m_outputs;
    QList<RunReport> m_reports;
    bool m_closing = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(RunSet::Offers)
