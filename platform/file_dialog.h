#pragma once

#include <QString>

class QWidget;

namespace Platform {

// Shows the open-file dialog, owned by owner, with the given title, opening in startFolder (the
// dialog's own choice when empty) and offering the one Qt name filter ("description (pattern)").
// The dialog accepts a typed name that does not exist. Returns the chosen path exactly as the
// dialog gives it, or "" when the user cancelled. After a pick, the chosen file's folder becomes
// the program's current folder.
QString GetOpenFileName(QWidget *owner, const QString &title, const QString &startFolder, const QString &nameFilter);

// Shows the dialog for choosing a folder, owned by owner, with the given title, opening in
// startFolder (the dialog's own choice when empty), fitted to the screen as the open-file dialog.
// Returns the chosen folder, absolute and without a trailing "/" (but "/" itself), or "" when the
// user cancelled. The program's current folder is left as it was.
QString GetExistingFolder(QWidget *owner, const QString &title, const QString &startFolder);

} // namespace Platform
