#include "platform/file_dialog.h"

#include "platform/paths.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QScreen>
#include <QWindow>

namespace Platform {

namespace {

// Qt's dialog takes the size its layout asks for at the font's size, which on a small screen at a
// high density (1366 x 768 at 192 dpi) is taller than the screen, with "Files of type" and Cancel
// below its edge. It is made to fit within the owner's screen, less the owner's window frame, and
// placed on it; its lists scroll.
void fitToScreen(QFileDialog &dialog, const QWidget *owner)
{
    const QScreen *screen = owner ? owner->screen() : dialog.screen();
    if (!screen)
        return;
    // The frame the window manager puts around the dialog, as around its owner.
    QMargins frame;
    if (owner && owner->window()->windowHandle())
        frame = owner->window()->windowHandle()->frameMargins();
    dialog.winId();
    const QMargins own = dialog.windowHandle() ? dialog.windowHandle()->frameMargins() : QMargins();
    frame = QMargins(qMax(frame.left(), own.left()), qMax(frame.top(), own.top()), qMax(frame.right(), own.right()),
        qMax(frame.bottom(), own.bottom()));
    const QRect screenArea = screen->availableGeometry();
    const QRect available = screenArea.marginsRemoved(frame);
    // The layout would hold the dialog at its least size, whatever the screen.
    if (dialog.layout())
        dialog.layout()->setSizeConstraint(QLayout::SetNoConstraint);
    dialog.setMinimumSize(0, 0);
    dialog.setMaximumSize(available.size());
    const QSize size = dialog.sizeHint().boundedTo(available.size());
    dialog.resize(size);
    // A window is moved by its frame's corner.
    QRect place = QRect(QPoint(), size).marginsAdded(frame);
    place.moveCenter(owner ? owner->window()->frameGeometry().center() : screenArea.center());
    place.moveLeft(qBound(screenArea.left(), place.left(), screenArea.right() - place.width() + 1));
    place.moveTop(qBound(screenArea.top(), place.top(), screenArea.bottom() - place.height() + 1));
    dialog.move(place.topLeft());
}

} // namespace

QString GetOpenFileName(QWidget *owner, const QString &title, const QString &startFolder, const QString &nameFilter)
{
    QFileDialog dialog(owner, title, startFolder, nameFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filter's description is enough: the case-blind pattern is not for reading.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    fitToScreen(dialog, owner);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    QString path = dialog.selectedFiles().value(0);
    if (!path.isEmpty())
        SetCurrentFolder(QFileInfo(path).absolutePath());
    return path;
}

QString GetExistingFolder(QWidget *owner, const QString &title, const QString &startFolder)
{
    QFileDialog dialog(owner, title, startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    fitToScreen(dialog, owner);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QString folder = dialog.selectedFiles().value(0);
    return folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

} // namespace Platform
