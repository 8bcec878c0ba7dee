#pragma once

#include <QString>

// Where things are on this machine: the user's folders, the program's folder, the current folder.
namespace Platform {

// The user's home folder, ending in "/": the first-run default of the path fields.
QString HomeFolder();

// The user's configuration folder (XDG), without a trailing "/".
QString ConfigFolder();

// The folder that holds the running program.
QString ProgramFolder();

bool SetCurrentFolder(const QString &folder);

// folder ("" for the current one) as an absolute, clean path without a trailing "/" ("/" for
// the root).
QString AbsoluteFolder(const QString &folder);

// Whether path names a regular file, or a link to one.
bool IsFile(const QString &path);

// Whether path names a folder, or a link to one, with or without a trailing "/".
bool IsFolder(const QString &path);

// Creates folder and any missing parents. Returns whether it exists afterwards.
bool MakeFolder(const QString &folder);

} // namespace Platform
