// The window's platform services, one line each: the window sees only OSUtil.

#include "os_util/os_util.h"

#include "platform/desktop_notice.h"
#include "platform/file_lookup.h"
#include "platform/file_manager.h"
#include "platform/launcher_entry.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/program_icon.h"
#include "platform/settings_store.h"
#include "platform/spoken_notice.h"

namespace OSUtil {

QString HomeFolder()
{
    return Platform::HomeFolder();
}

QString GetSetting(const QString &application, const QString &section, const QString &key, const QString &defaultValue)
{
    return Platform::GetSetting(application, section, key, defaultValue);
}

bool SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value)
{
    return Platform::SaveSetting(application, section, key, value);
}

QString FindFirstFile(const QString &pattern)
{
    return Platform::FindFirstFile(pattern);
}

QStringList FindFiles(const QString &pattern)
{
    return Platform::FindFiles(pattern);
}

QList<FolderEntry> ListFolder(const QString &folder)
{
    QList<FolderEntry> entries;
    for (const Platform::FolderEntry &entry : Platform::ListFolder(folder))
        entries.append({entry.name, entry.isFile});
    return entries;
}

QString NextBackupName(const QString &name, const QStringList &siblings)
{
    return Platform::NextBackupName(name, siblings);
}

QString AbsoluteFolder(const QString &folder)
{
    return Platform::AbsoluteFolder(folder);
}

bool IsFile(const QString &path)
{
    return Platform::IsFile(path);
}

bool IsFolder(const QString &path)
{
    return Platform::IsFolder(path);
}

void ShowInFileManager(const QStringList &paths, const std::function<void(const QString &folder)> &nothingShows)
{
    Platform::ShowInFileManager(paths, nothingShows);
}

void MakeSpokenNotice(QWidget *widget)
{
    Platform::MakeSpokenNotice(widget);
}

void SpeakNotice(QWidget *widget)
{
    Platform::SpeakNotice(widget);
}

void NotifyDesktop(QObject *owner, const QString &summary, const QString &body, const QString &actionCaption,
    const std::function<void()> &onAction)
{
    new Platform::DesktopNotice(summary, body, actionCaption, onAction, owner);
}

void ShowOnLauncher(double progress, bool progressVisible, bool urgent)
{
    Platform::ShowOnLauncher({progress, progressVisible, urgent});
}

namespace {

Platform::MessageIcon shownIcon(MessageIcon icon)
{
    using Shown = Platform::MessageIcon;
    return icon == MessageIcon::Error      ? Shown::Error
        : icon == MessageIcon::Warning     ? Shown::Warning
        : icon == MessageIcon::Information ? Shown::Information
                                           : Shown::None;
}

} // namespace

void ShowMessage(QWidget *owner, const QString &text, const QString &details, MessageIcon icon)
{
    Platform::ShowMessage(owner, text, details, shownIcon(icon));
}

bool ShowMessageOffering(
    QWidget *owner, const QString &text, const QString &details, MessageIcon icon, const QString &actionCaption)
{
    return Platform::ShowMessageOffering(owner, text, details, shownIcon(icon), actionCaption);
}

int AskToChoose(QWidget *owner, const QString &text, const QStringList &captions)
{
    return Platform::AskToChoose(owner, text, captions);
}

QIcon ProgramIcon()
{
    return Platform::ProgramIcon();
}

} // namespace OSUtil
