// "Select WSS" and "Select WAV": pick a file with the open-file dialog and remember it.

#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/os_util.h"

#include <QLineEdit>

void ZRNSoundEncodeDecode::cmdSelectWWSFileNameClick()
{
    //: The file type the dialog lists; no comma.
    browse(txtWWSFileName, tr("WSS file") + QStringLiteral(",*.WSS"), tr("Select WSS File"), kWssKey);
}

void ZRNSoundEncodeDecode::cmdSelectWAVFileNameClick()
{
    //: The file type the dialog lists; no comma.
    browse(txtWavFileName, tr("WAV file") + QStringLiteral(",*.WAV"), tr("Select WAV File"), kWavKey);
}

void ZRNSoundEncodeDecode::browse(QLineEdit *field, const QString &filter, const QString &title, const QString &key)
{
    const QString startFolder = OSUtil::DirectoryPart(field->text());
    const QString picked = OSUtil::BrowseForFile(startFolder, filter, QString(), this, title);
    // A cancelled dialog keeps the path the user had.
    if (!picked.isEmpty())
        setAndSavePath(field, key, picked);
}

void ZRNSoundEncodeDecode::setAndSavePath(QLineEdit *field, const QString &key, const QString &path)
{
    field->setText(path);
    OSUtil::SaveSetting(kSettingsApplication, kSettingsSection, key, field->text());
}
