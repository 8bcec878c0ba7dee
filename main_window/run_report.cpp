#include "main_window/run_report.h"

namespace {

// The WSS tools' exit code for outputs that could not be written (tools/README.md).
constexpr int kExitCannotWrite = 3;

} // namespace

// The first line says what the failure means for the user; the tool's own words follow, and the
// command line and how the tool ended are in the details, for whoever needs them.
RunReport RunReports::failure(
    const RunSubject &subject, const QString &commandLine, const OSUtil::RunResult &result, int failedFiles)
{
    using Status = OSUtil::RunResult::Status;
    if (result.succeeded())
        return {};
    const bool decode = subject.action == RunSubject::Action::Decode;
    const QString name = subject.shownName();
    QString text;
    if (result.stopRequested) {
        // Stopped by the user: nothing to report, unless files failed before the stop.
        if (failedFiles == 0)
            return {};
        text = (decode ? tr("Decoding %1 was stopped. Files that failed before the stop: %Ln.", nullptr, failedFiles)
                       : tr("Encoding %1 was stopped. Files that failed before the stop: %Ln.", nullptr, failedFiles))
                   .arg(name);
    } else if (result.status == Status::NotStarted) {
        // One arg() call with all values: a "%2" in a file name must stay as it is.
        text = (decode ? tr("Could not decode %1: %2 could not be started.")
                       : tr("Could not encode %1: %2 could not be started."))
                   .arg(name, result.program)
            + QLatin1String("\n\n") + result.error;
        return {text, QString(), OSUtil::MessageIcon::Error, subject, false};
    } else if (subject.argument.isEmpty()) {
        // A folder path gives the tool no name: its usage text is of no use to the user.
        return {folder(subject.action, subject.path), QString(), OSUtil::MessageIcon::Information, subject, false};
    } else if (result.status == Status::Exited) {
        text = (decode ? tr("Could not decode %1.") : tr("Could not encode %1.")).arg(name);
    } else {
        text = (decode ? tr("Decoding %1 ended unexpectedly.") : tr("Encoding %1 ended unexpectedly.")).arg(name);
    }
    const QString lines = shownErrorLines(result);
    if (!lines.isEmpty())
        text += QLatin1String("\n\n") + lines;
    const bool unwritable
        = !result.stopRequested && result.status == Status::Exited && result.exitCode == kExitCannotWrite;
    return {text, technicalDetails(commandLine, result), OSUtil::MessageIcon::Error, subject, unwritable};
}

QString RunReports::anotherFolderCaption()
{
    return tr("&Choose Another Folder…");
}

QString RunReports::technicalDetails(const QString &commandLine, const OSUtil::RunResult &result)
{
    QStringList details{tr("Command line: %1").arg(commandLine)};
    details << (result.status == OSUtil::RunResult::Status::Exited ? tr("Exit code: %1").arg(result.exitCode)
                                                                   : tr("Ended by signal %1").arg(result.signal));
    if (!result.errorLines.isEmpty())
        details << QString() << result.errorLines;
    return details.join(u'\n');
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

// The first lines, a count of those left out, and the last line, which for the WSS tools is the
// summary of a run over several files ("0 of 60 files encoded; 60 failed").
QString RunReports::shownErrorLines(const OSUtil::RunResult &result)
{
    const QStringList &lines = result.errorLines;
    const int all = int(lines.size()) + result.errorLinesLeftOut;
    if (all <= kShownErrorLines)
        return lines.join(u'\n');
    QStringList shown = lines.mid(0, kShownErrorLines - 1);
    shown << tr("…and %Ln more", nullptr, all - kShownErrorLines) << lines.last();
    return shown.join(u'\n');
}
