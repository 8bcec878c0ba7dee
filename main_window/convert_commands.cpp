// "Decode" and "Encode": check the field's file, run the tool on it, report what went wrong.

#include "main_window/run_report.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/command_line_text.h"
#include "os_util/os_util.h"

#include <QGuiApplication>
#include <QLineEdit>

namespace {

const QString kDecoderPrefix = QStringLiteral("WSSdec.exe ");
const QString kEncoderPrefix = QStringLiteral("WSSCod.exe ");

// The busy cursor (an arrow with a small hourglass: the window stays usable) while a tool runs.
// Override cursors stack, so nested runs restore each other's correctly.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

void ZRNSoundEncodeDecode::cmdDecodeClick()
{
    convert(txtWWSFileName, kDecoderPrefix);
}

void ZRNSoundEncodeDecode::cmdEnCodeClick()
{
    convert(txtWavFileName, kEncoderPrefix);
}

void ZRNSoundEncodeDecode::convert(const QLineEdit *field, const QString &toolPrefix)
{
    const QString path = field->text();
    if (OSUtil::FindFirstFile(path).isEmpty()) {
        OSUtil::ShowMessage(this, tr("Could not locate the file '%1'").arg(field->text()));
        return;
    }

    // The tool is given the bare file name and runs in the file's folder, so it finds the file
    // whatever the program's current folder is.
    const QString commandLine = OSUtil::BuildCommandLine(toolPrefix, OSUtil::FileNamePart(path));
    OSUtil::RunResult result;
    {
        BusyCursor busy;
        result = OSUtil::RunAndWait(commandLine, OSUtil::DirectoryPart(path));
    }
    const QString failure = FailureMessage(commandLine, result);
    if (!failure.isEmpty())
        OSUtil::ShowMessage(this, failure);
}
