#pragma once

#include "os_util/run_and_wait.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QWidget;

// Free routines over the platform's services: paths, text, the profile file, the open-file
// dialog and running a tool.
namespace OSUtil {

// The 1-based position of the last occurrence of find in text at or after position start, or 0
// when there is none. The match is exact and case-sensitive.
int LastPosition(const QString &text, const QString &find, int start);

// Everything up to and including the last "/" of path, or "" when there is none.
QString DirectoryPart(const QString &path);

// The part of path after its last "/", or the whole path when it has none.
QString FileNamePart(const QString &path);

// text with each occurrence of find, from the left, replaced; the search goes on after each
// inserted replacement. An empty find changes nothing.
QString ReplaceText(const QString &text, const QString &find, const QString &replacement);

// The folder that holds the shared profile file: the user's configuration folder, without a
// trailing "/". It is created when missing.
QString SystemDirectory();

// Writes key=value into [section] of the profile file. An empty file means "VisualBasic.ini" in
// SystemDirectory(), and file is set to that path. Returns non-zero on success, 0 on failure
// (including a section, key or value holding a line break, which the file would not survive).
int WriteProfileValue(const QString &section, const QString &key, const QString &value, QString &file);

// Shows the open-file dialog, owned by owner, in startFolder, with the title and a filter in the
// short form "description,pattern". Returns the chosen path, or "" when the user cancelled.
// After a pick, the file's folder is stored under key in the section "Pellinor" of the default
// profile file, and becomes the current folder.
QString BrowseForFile(
    const QString &startFolder, const QString &filter, const QString &key, QWidget *owner, const QString &title);

// Shows the dialog for choosing a folder, owned by owner, opening in startFolder. Returns the
// chosen folder, absolute and without a trailing "/", or "" when the user cancelled. Nothing is
// recorded, and the current folder stays as it was.
QString BrowseForFolder(const QString &startFolder, QWidget *owner, const QString &title);

// The window's other services, passed through to the platform layer so that the window reaches
// the system only through this module.

// The user's home folder, ending in "/": the first-run default of the path fields.
QString HomeFolder();

// The per-user settings store (see platform/settings_store.h): the stored value, or defaultValue
// when the key was never written; and writing one.
QString GetSetting(const QString &application, const QString &section, const QString &key, const QString &defaultValue);
bool SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value);

// The name of the first ordinary file that pattern names, or "" (see platform/file_lookup.h).
QString FindFirstFile(const QString &pattern);

// The names of the files a WSS tool converts when given pattern's last part in its folder
// (see platform/file_lookup.h).
QStringList FindFiles(const QString &pattern);

struct FolderEntry
{
    QString name;
    bool isFile = false; // a regular file, or a link to one
};

// Everything in folder ("" is the current folder), hidden names included, in no order.
QList<FolderEntry> ListFolder(const QString &folder);

// The name under which an existing file called name is kept when a new one takes its place,
// given the names in its folder: name.~N~, N one more than the highest such N among them.
QString NextBackupName(const QString &name, const QStringList &siblings);

// folder ("" for the current one) as an absolute path without a trailing "/".
QString AbsoluteFolder(const QString &folder);

// Whether path names a regular file, or a link to one.
bool IsFile(const QString &path);

// Opens the desktop's file manager once per folder of paths; where nothing on the desktop can show
// a folder, calls nothingShows with the folder instead (see platform/file_manager.h).
void ShowInFileManager(const QStringList &paths, const std::function<void(const QString &folder)> &nothingShows = {});

// A widget that a screen reader speaks as a notification, each time SpeakNotice is called (see
// platform/spoken_notice.h). Make it one before it is shown.
void MakeSpokenNotice(QWidget *widget);
void SpeakNotice(QWidget *widget);

// A desktop notification, owned by owner: summary and body, and an action captioned actionCaption
// (none when empty) that calls onAction, where the desktop's notification server offers actions
// (see platform/desktop_notice.h).
void NotifyDesktop(QObject *owner, const QString &summary, const QString &body, const QString &actionCaption,
    const std::function<void()> &onAction);

// The program's entry on the desktop's launcher or task bar (see platform/launcher_entry.h): a
// progress bar at progress (0 to 1) where progressVisible, and a mark asking for attention.
void ShowOnLauncher(double progress, bool progressVisible, bool urgent);

// Whether path names a folder, or a link to one, with or without a trailing "/".
bool IsFolder(const QString &path);

// The icon a message shows: none, or what the message is about.
enum class MessageIcon { None, Information, Warning, Error };

// A modal message with one OK button and the given icon (none by default), titled with the owner
// window's caption; details, when given, behind its "Show Details..." button.
void ShowMessage(
    QWidget *owner, const QString &text, const QString &details = QString(), MessageIcon icon = MessageIcon::None);

// The same message with a second button beside OK, captioned actionCaption; returns whether it
// was pressed.
bool ShowMessageOffering(
    QWidget *owner, const QString &text, const QString &details, MessageIcon icon, const QString &actionCaption);

// A modal question with a button for each of captions and Cancel, the default and Esc. Returns the
// index in captions of the button pressed, or -1 for Cancel.
int AskToChoose(QWidget *owner, const QString &text, const QStringList &captions);

// The program's icon as built into it (main.cpp gives the window the theme's once drawn).
QIcon ProgramIcon();

} // namespace OSUtil
