// "Decode" and "Encode": check the field's file, ask before an output is replaced, start the tool
// on it, and report how it ended.

#include "main_window/conversion_run.h"
#include "main_window/replaced_outputs.h"
#include "main_window/run_report.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/command_line_text.h"
#include "os_util/os_util.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

using Action = RunSubject::Action;

const QString kDecoder = QStringLiteral("WSSdec.exe");
const QString kEncoder = QStringLiteral("WSSCod.exe");

} // namespace

void ZRNSoundEncodeDecode::cmdDecodeClick()
{
    convert(Action::Decode);
}

void ZRNSoundEncodeDecode::cmdEnCodeClick()
{
    convert(Action::Encode);
}

void ZRNSoundEncodeDecode::convert(Action action)
{
    // One run per row: a second press while the row's tool runs starts nothing.
    if (runOf(action) || m_closing)
        return;
    const QLineEdit *field = action == Action::Decode ? txtWWSFileName : txtWavFileName;
    const QString path = field->text();
    if (OSUtil::FindFirstFile(path).isEmpty()) {
        OSUtil::ShowMessage(this, RunReports::missingFile(action, field->text()));
        return;
    }

    RunSubject subject;
    subject.action = action;
    subject.tool = action == Action::Decode ? kDecoder : kEncoder;
    subject.argument = OSUtil::FileNamePart(path);
    subject.path = path;
    subject.folder = OSUtil::AbsoluteFolder(OSUtil::DirectoryPart(path));
    if (!confirmReplacing(subject) || runOf(action) || m_closing)
        return;
    // The tool is given the bare file name and runs in the file's folder, so it finds the file
    // whatever the program's current folder is.
    startRun(subject, OSUtil::BuildCommandLine(subject.tool + u' ', subject.argument));
}

bool ZRNSoundEncodeDecode::confirmReplacing(const RunSubject &subject)
{
    if (subject.argument.isEmpty())
        return true; // a folder path: the tool is given no file
    const bool decode = subject.action == Action::Decode;
    const QStringList inputs = OSUtil::FindFiles(subject.path);
    const QList<OSUtil::FolderEntry> folder = OSUtil::ListFolder(subject.folder);
    const QStringList existing
        = ExistingOutputs(inputs, decode ? QStringLiteral(".wav") : QStringLiteral(".wss"), folder);
    if (existing.isEmpty())
        return true;
    // Only a single output's backup is named: the question counts several.
    QString backup;
    if (existing.size() == 1) {
        QStringList names;
        for (const OSUtil::FolderEntry &entry : folder)
            names << entry.name;
        backup = OSUtil::NextBackupName(existing.first(), names);
    }
    const QString question = ReplaceQuestion::text(
        existing, inputs.size(), decode ? QStringLiteral("WAV") : QStringLiteral("WSS"), subject.folder, backup);
    return OSUtil::AskToConfirm(this, question, tr("&Replace"));
}

void ZRNSoundEncodeDecode::startRun(const RunSubject &subject, const QString &commandLine)
{
    auto *run = new ConversionRun(subject, commandLine, this);
    if (!run->start()) {
        runEnded(run);
        return;
    }
    runOf(subject.action) = run;
    m_shownRun = run;
    connect(run, &ConversionRun::changed, this, [this, run] {
        if (m_shownRun == run)
            showStatus();
    });
    // Queued: the report may open a message box, which is better not run inside the process's
    // own signal.
    connect(
        run, &ConversionRun::ended, this, [this, run] { runEnded(run); }, Qt::QueuedConnection);
    updateRows();
    showStatus();
}

void ZRNSoundEncodeDecode::runEnded(ConversionRun *run)
{
    ConversionRun *&slot = runOf(run->subject().action);
    if (slot == run)
        slot = nullptr;
    run->deleteLater();

    // The line shows how the run ended, even while the other row's tool goes on.
    m_shownRun = nullptr;
    m_lastText = RunStatus::ended(run->subject(), run->progress(), run->result());
    m_lastOutputs.clear();
    for (const QString &output : run->progress().outputs)
        m_lastOutputs << run->subject().folder + u'/' + output;
    if (runningRuns().isEmpty()) {
        m_forceStopTimer.stop();
        m_forceStopOffered = false;
    }
    updateRows();
    showStatus();

    const RunReport report = RunReports::failure(run->subject(), run->commandLine(), run->result());
    if (!report.text.isEmpty())
        OSUtil::ShowMessage(this, report.text, report.details);
    if (m_closing && runningRuns().isEmpty())
        close();
}

ConversionRun *&ZRNSoundEncodeDecode::runOf(Action action)
{
    return action == Action::Decode ? m_decodeRun : m_encodeRun;
}

QList<ConversionRun *> ZRNSoundEncodeDecode::runningRuns() const
{
    QList<ConversionRun *> runs;
    for (ConversionRun *run : {m_decodeRun, m_encodeRun}) {
        if (run)
            runs << run;
    }
    return runs;
}
