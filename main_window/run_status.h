#pragma once

#include "os_util/tool_run.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// What the status line says about a run of a tool: pure functions of what the run is, what its
// progress lines said and how it ended.

// A run of Decode or Encode: which tool, on what, where.
struct RunSubject
{
    enum class Action { Decode, Encode };

    Action action = Action::Decode;
    QString tool; // "WSSdec.exe"
    QString argument; // the name the tool is given: a file name, a pattern, or "" for a folder
    QString path; // the field's text
    QString folder; // where the tool runs: absolute, without a trailing "/"
    bool skipExisting = false; // the tool leaves existing outputs and converts only the others (-n)
    QString outputFolder; // where the outputs go, given to the tool with -o; "" beside the file

    // The folder the outputs are written in: the output folder, or the file's own.
    QString outputsIn() const { return outputFolder.isEmpty() ? folder : outputFolder; }
    // A pattern converts every file it names: the status line counts them.
    bool isPattern() const;
    // What the run is on, for the status line: the name given, or the path of a folder.
    QString shownName() const { return argument.isEmpty() ? path : argument; }
    // The argument as the tool is given it: a name that starts with "-" as "./-name", so that the
    // tool, which runs in the file's folder, cannot read it as an option.
    QString toolArgument() const;
    // What the command line starts with: the tool's name, and its options for skipExisting and
    // the output folder, each followed by a blank.
    QString commandPrefix() const;
};

struct KeptFile
{
    QString output;
    QString backup;
};

// What the run's progress lines have said so far.
struct RunProgress
{
    int total = -1; // files to convert, from the "files" line; -1 until it comes
    int current = 0; // the file being converted, 1-based; 0 before the first
    QString currentName;
    QStringList outputs; // in place: written, or already holding the same bytes, in order
    int unchanged = 0; // of outputs, those that already held the same bytes
    QList<KeptFile> kept;
    int failed = 0;
    int skipped = 0; // files not converted because their output was there (-n)

    // Names come as the tool was given them, relative to its folder; the "./" of toolArgument()
    // is left out, and so is the output folder of an output's name (all are in outputsIn()).
    void add(const OSUtil::ProgressEvent &event);
    // Files done with, converted, skipped or failed: how far the progress bar has come.
    int finished() const;
};

class RunStatus
{
    Q_DECLARE_TR_FUNCTIONS(RunStatus)

public:
    // While the tool runs: "Decoding gun.wss…", "Encoding 37 of 500: take37.wav".
    static QString running(const RunSubject &subject, const RunProgress &progress);
    // After Stop, until the tool has ended.
    static QString stopping(const RunSubject &subject);
    // After it ended: what was written and where, what was kept; or that it failed or was stopped.
    static QString ended(const RunSubject &subject, const RunProgress &progress, const OSUtil::RunResult &result);
    // While the window waits for runs before it closes.
    static QString closing(const QList<RunSubject> &runs);

private:
    static QString outcome(const RunSubject &subject, const RunProgress &progress, const OSUtil::RunResult &result);
    static QString keptText(const RunProgress &progress);
    // What a batch left as it was: outputs that held the same sound, and files skipped (-n).
    static QStringList leftText(const RunProgress &progress);
};
