#include "platform/file_dialog.h"

#include "platform/paths.h"

#include <QFileDialog>
#include <QFileInfo>

namespace Platform {

QString GetOpenFileName(QWidget *owner, const QString &title, const QString &startFolder, const QString &nameFilter)
{
    QFileDialog dialog(owner, title, startFolder, nameFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filter's description is enough: the case-blind pattern is not for reading.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    QString path = dialog.selectedFiles().value(0);
    if (!path.isEmpty())
        SetCurrentFolder(QFileInfo(path).absolutePath());
    return path;
}

} // namespace Platform
