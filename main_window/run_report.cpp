#include "main_window/run_report.h"

RunReport RunReports::failure(
    const RunSubject &subject, const QString &commandLine, const OSUtil::RunResult &result, int failedFiles)
{
    using Status = OSUtil::RunResult::Status;
    if (result.succeeded())
        return {};
    if (result.stopRequested) {
        // Stopped by the user: nothing to report, unless files failed before the stop.
        if (failedFiles == 0)
            return {};
        QString text
            = tr("'%1' was stopped. Files that failed before the stop: %n.", nullptr, failedFiles).arg(commandLine);
        const QString lines = shownErrorLines(result);
        if (!lines.isEmpty())
            text += QLatin1String("\n\n") + lines;
        return {text, allErrorLinesShown(result) ? QString() : result.errorLines.join(u'\n')};
    }
    if (result.status == Status::NotStarted)
        return {tr("Could not start '%1': %2").arg(result.program, result.error), QString()};

    const QString details = result.errorLines.join(u'\n');
    // A folder path gives the tool no name: its usage text is of no use to the user.
    if (subject.argument.isEmpty())
        return {folder(subject.action, subject.path), QString()};

    // One arg() call with all values: a "%2" in a file name must stay as it is.
    QString text = result.status == Status::Exited
        ? tr("'%1' failed with exit code %2.").arg(commandLine, QString::number(result.exitCode))
        : tr("'%1' was stopped by signal %2.").arg(commandLine, QString::number(result.signal));
    const QString lines = shownErrorLines(result);
    if (!lines.isEmpty())
        text += QLatin1String("\n\n") + lines;
    return {text, allErrorLinesShown(result) ? QString() : details};
}

QString RunReports::missingFile(RunSubject::Action action, const QString &path)
{
    QString text = tr("Could not locate the file '%1'").arg(path);
    if (path.isEmpty()) {
        text += u'\n'
            + (action == RunSubject::Action::Decode
                    ? tr("Type the path of a WSS file, or choose one with Select WSS.")
                    : tr("Type the path of a WAV file, or choose one with Select WAV."));
    }
    return text;
}

QString RunReports::folder(RunSubject::Action action, const QString &path)
{
    const QString advice = action == RunSubject::Action::Decode
        ? tr("'%1' is a folder: choose a WSS file in it with Select WSS, or type its name.")
        : tr("'%1' is a folder: choose a WAV file in it with Select WAV, or type its name.");
    return advice.arg(path);
}

bool RunReports::allErrorLinesShown(const OSUtil::RunResult &result)
{
    return result.errorLinesLeftOut == 0 && result.errorLines.size() <= kShownErrorLines;
}

// The first lines, a count of those left out, and the last line, which for the WSS tools is the
// summary of a run over several files ("0 of 60 files encoded; 60 failed").
QString RunReports::shownErrorLines(const OSUtil::RunResult &result)
{
    const QStringList &lines = result.errorLines;
    const int all = int(lines.size()) + result.errorLinesLeftOut;
    if (all <= kShownErrorLines)
        return lines.join(u'\n');
    QStringList shown = lines.mid(0, kShownErrorLines - 1);
    shown << tr("…and %n more", nullptr, all - kShownErrorLines) << lines.last();
    return shown.join(u'\n');
}
