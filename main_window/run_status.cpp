#include "main_window/run_status.h"

#include "os_util/command_line_text.h"

#include <QLocale>

namespace {

using Action = RunSubject::Action;

const QString kHere = QStringLiteral("./");

QString withoutHere(const QString &name)
{
    return name.startsWith(kHere) ? name.mid(kHere.size()) : name;
}

// An output's name without the folder -o put it in.
QString lastPart(const QString &name)
{
    return name.mid(name.lastIndexOf(u'/') + 1);
}

} // namespace

QString RunSubject::toolArgument() const
{
    return argument.startsWith(u'-') ? kHere + argument : argument;
}

QString RunSubject::commandPrefix() const
{
    QString prefix = tool + (skipExisting ? QStringLiteral(" -n ") : QStringLiteral(" "));
    if (!outputFolder.isEmpty())
        prefix += QStringLiteral("-o ") + OSUtil::QuoteArgument(outputFolder) + u' ';
    return prefix;
}

bool RunSubject::isPattern() const
{
    return argument.contains(u'*') || argument.contains(u'?');
}

void RunProgress::add(const OSUtil::ProgressEvent &given)
{
    using Kind = OSUtil::ProgressEvent::Kind;
    OSUtil::ProgressEvent event = given;
    const bool output = event.kind == Kind::Kept || event.kind == Kind::Wrote || event.kind == Kind::Same;
    event.name = output ? lastPart(event.name) : withoutHere(event.name);
    event.backup = lastPart(event.backup);
    switch (event.kind) {
    case Kind::Files:
        total = event.count;
        break;
    case Kind::Start:
        current = event.index;
        currentName = event.name;
        break;
    case Kind::Kept:
        kept.append({event.name, event.backup});
        break;
    case Kind::Wrote:
        outputs << event.name;
        break;
    case Kind::Same:
        outputs << event.name;
        ++unchanged;
        break;
    case Kind::Skipped:
        ++skipped;
        break;
    case Kind::Failed:
        ++failed;
        break;
    }
}

int RunProgress::finished() const
{
    // Outputs are put in place in batches, after later files have started: the files before the
    // current one are done with too.
    return qMax(int(outputs.size()) + skipped + failed, current - 1);
}

QString RunStatus::running(const RunSubject &subject, const RunProgress &progress)
{
    const bool decode = subject.action == Action::Decode;
    if (progress.total > 1 && progress.current > 0) {
        return (decode ? tr("Decoding %1 of %2: %3") : tr("Encoding %1 of %2: %3"))
            .arg(QLocale().toString(progress.current), QLocale().toString(progress.total), progress.currentName);
    }
    const QString name = progress.currentName.isEmpty() ? subject.shownName() : progress.currentName;
    return (decode ? tr("Decoding %1…") : tr("Encoding %1…")).arg(name);
}

QString RunStatus::stopping(const RunSubject &subject)
{
    return (subject.action == Action::Decode ? tr("Stopping the decoding of %1…") : tr("Stopping the encoding of %1…"))
        .arg(subject.shownName());
}

QString RunStatus::ended(const RunSubject &subject, const RunProgress &progress, const OSUtil::RunResult &result)
{
    QStringList sentences{outcome(subject, progress, result)};
    // Stop ends the run, not what went wrong before it.
    if (result.stopRequested && !result.succeeded() && progress.failed > 0)
        sentences << tr("Files that failed before the stop: %Ln", nullptr, progress.failed);
    if (!progress.kept.isEmpty())
        sentences << keptText(progress);
    sentences << leftText(progress);
    return sentences.join(QStringLiteral(". "));
}

QString RunStatus::closing(const QList<RunSubject> &runs)
{
    if (runs.size() > 1)
        return tr("The window closes when decoding and encoding have finished…");
    const RunSubject run = runs.value(0);
    return (run.action == Action::Decode ? tr("The window closes when decoding %1 has finished…")
                                         : tr("The window closes when encoding %1 has finished…"))
        .arg(run.shownName());
}

QString RunStatus::outcome(const RunSubject &subject, const RunProgress &progress, const OSUtil::RunResult &result)
{
    const bool decode = subject.action == Action::Decode;
    const QString name = subject.shownName();
    if (result.stopRequested && !result.succeeded()) {
        if (progress.total > 1)
            return tr("Stopped after %L1 of %Ln files", nullptr, progress.total)
                .arg(progress.outputs.size() + progress.skipped);
        return (decode ? tr("Decoding %1 stopped") : tr("Encoding %1 stopped")).arg(name);
    }
    if (!result.succeeded() && !progress.outputs.isEmpty()) {
        // Partly done: what was written is as much the news as what failed.
        const QLocale locale;
        const int done = int(progress.outputs.size());
        const int total = progress.total > 0 ? progress.total : done + progress.skipped + progress.failed;
        return (decode ? tr("Decoded %1 of %2 files in %3; %4 failed") : tr("Encoded %1 of %2 files in %3; %4 failed"))
            .arg(locale.toString(done), locale.toString(total), subject.outputsIn(),
                locale.toString(qMax(progress.failed, total - done - progress.skipped)));
    }
    if (!result.succeeded())
        return (decode ? tr("Decoding %1 failed") : tr("Encoding %1 failed")).arg(name);

    const qsizetype done = progress.outputs.size();
    if (done == 0 && progress.skipped > 0) // every output was there already
        return (decode ? tr("Decoded no file in %1") : tr("Encoded no file in %1")).arg(subject.outputsIn());
    if (done == 0) // a tool that says nothing: its exit code is all there is
        return (decode ? tr("Decoding %1 finished") : tr("Encoding %1 finished")).arg(name);
    if (done > 1)
        return (decode ? tr("Decoded %Ln files in %1", nullptr, int(done))
                       : tr("Encoded %Ln files in %1", nullptr, int(done)))
            .arg(subject.outputsIn());
    if (progress.unchanged == 1)
        return tr("%1 in %2 already held this sound; it is left as it was")
            .arg(progress.outputs.first(), subject.outputsIn());
    return tr("Wrote %1 in %2").arg(progress.outputs.first(), subject.outputsIn());
}

QString RunStatus::keptText(const RunProgress &progress)
{
    if (progress.kept.size() == 1)
        return tr("The earlier %1 is kept as %2").arg(progress.kept.first().output, progress.kept.first().backup);
    return tr("%Ln replaced files kept as backups (NAME.~N~)", nullptr, int(progress.kept.size()));
}

QStringList RunStatus::leftText(const RunProgress &progress)
{
    QStringList sentences;
    // A single output says so in the outcome already.
    if (progress.unchanged > 0 && progress.outputs.size() > 1)
        sentences << tr("Files that already held the same sound, left as they were: %Ln", nullptr, progress.unchanged);
    if (progress.skipped > 0)
        sentences << tr("Files skipped because their output already existed: %Ln", nullptr, progress.skipped);
    return sentences;
}
