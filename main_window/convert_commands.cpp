// "Decode" and "Encode": check the field's file, ask before an output is replaced, start the tool
// on it, and report how it ended.

#include "main_window/output_folder_choice.h"
#include "main_window/replaced_outputs.h"
#include "main_window/run_report.h"
#include "main_window/run_set.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/command_line_text.h"
#include "os_util/os_util.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

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
    if (!m_runs->canStart(action))
        return;
    const QLineEdit *field = action == Action::Decode ? txtWWSFileName : txtWavFileName;
    const QString path = field->text();
    // A folder, with or without its "/", empty or not: the user is to choose a file in it.
    if (OSUtil::IsFolder(path)) {
        showInputMessage(RunReports::folder(action, path), OSUtil::MessageIcon::Information);
        return;
    }
    if (OSUtil::FindFirstFile(path).isEmpty()) {
        showInputMessage(RunReports::missingFile(action, field->text()), OSUtil::MessageIcon::None);
        return;
    }

    RunSubject subject;
    subject.action = action;
    subject.tool = action == Action::Decode ? kDecoder : kEncoder;
    subject.argument = OSUtil::FileNamePart(path);
    subject.path = path;
    subject.folder = OSUtil::AbsoluteFolder(OSUtil::DirectoryPart(path));
    subject.outputFolder = m_outputFolder->folder();
    startRun(subject);
}

void ZRNSoundEncodeDecode::startRun(RunSubject subject)
{
    if (!m_runs->canStart(subject.action))
        return;
    // The question runs an event loop: the row may have started a run meanwhile, or the window
    // been closed, and then this one starts nothing.
    bool confirmed = false;
    {
        const QScopedValueRollback asking(m_asking, true);
        confirmed = confirmReplacing(subject);
    }
    if (m_runs->closing() && !m_runs->isBusy()) {
        close();
        return;
    }
    // The tool is given the file name and runs in the file's folder, so it finds the file
    // whatever the program's current folder is; beside the file it is given nothing else.
    if (!confirmed)
        return;
    QPushButton *button = subject.action == Action::Decode ? cmdDecode : cmdEnCode;
    const bool buttonHadFocus = focusWidget() == button;
    m_runs->start(subject, OSUtil::BuildCommandLine(subject.commandPrefix(), subject.toolArgument()));
    if (buttonHadFocus)
        noteFocusMovedFrom(button, subject.action == Action::Decode ? m_decodeFocus : m_encodeFocus);
}

void ZRNSoundEncodeDecode::runInAnotherFolder(RunSubject subject)
{
    // A window that waits to close starts nothing more.
    if (m_runs->closing() || !m_outputFolder->chooseFolder())
        return;
    subject.outputFolder = m_outputFolder->folder();
    startRun(subject);
}

void ZRNSoundEncodeDecode::showInputMessage(const QString &text, OSUtil::MessageIcon icon)
{
    m_runs->forgetEnded();
    OSUtil::ShowMessage(this, text, QString(), icon);
}

bool ZRNSoundEncodeDecode::confirmReplacing(RunSubject &subject)
{
    if (subject.argument.isEmpty())
        return true; // a folder path: the tool is given no file
    const bool decode = subject.action == Action::Decode;
    const QStringList inputs = OSUtil::FindFiles(subject.path);
    // The outputs are looked for where they go.
    const QList<OSUtil::FolderEntry> folder = OSUtil::ListFolder(subject.outputsIn());
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
        // Every backup number taken: the tool would refuse to replace it, so it is not offered.
        if (backup.isEmpty()) {
            showInputMessage(
                ReplaceQuestion::noBackupLeft(existing.first(), subject.outputsIn()), OSUtil::MessageIcon::Warning);
            return false;
        }
    }
    const QString question = ReplaceQuestion::text(
        existing, inputs.size(), decode ? QStringLiteral("WAV") : QStringLiteral("WSS"), subject.outputsIn(), backup);
    const int answer = OSUtil::AskToChoose(this, question, ReplaceQuestion::answers(existing, inputs.size()));
    subject.skipExisting = answer == int(ReplaceQuestion::Answer::SkipExisting);
    return answer >= 0;
}
