#pragma once

#include "main_window/run_status.h"
#include "os_util/os_util.h"
#include "os_util/tool_run.h"

#include <QCoreApplication>
#include <QString>

// What the user is told in a message box about a run of a tool. Pure functions of text.

struct RunReport
{
    QString text; // "" when there is nothing to report
    QString details; // the command line, how it ended, and the tool's whole error output
    OSUtil::MessageIcon icon = OSUtil::MessageIcon::Error;
    RunSubject subject; // the run told of
    // The tool could not write its outputs (exit code 3: a read-only file system, no permission,
    // no room, a missing output folder): the box offers to run it again into another folder.
    bool offersAnotherFolder = false;
};

class RunReports
{
    Q_DECLARE_TR_FUNCTIONS(RunReports)

public:
    // At most this many lines of the tool's error output are in the text; the rest are counted.
    static constexpr int kShownErrorLines = 10;

    // The report of a run that failed. A run that succeeded has none, nor has one the user stopped
    // unless failedFiles of its files had failed before.
    static RunReport failure(
        const RunSubject &subject, const QString &commandLine, const OSUtil::RunResult &result, int failedFiles = 0);
    // The file of the field does not exist.
    static QString missingFile(RunSubject::Action action, const QString &path);
    // The field names a folder: how to choose a file in it.
    static QString folder(RunSubject::Action action, const QString &path);
    // The caption of the failure box's button that offers another folder.
    static QString anotherFolderCaption();

private:
    static QString shownErrorLines(const OSUtil::RunResult &result);
    static QString technicalDetails(const QString &commandLine, const OSUtil::RunResult &result);
};
