#include "platform/file_dialog.h"

#include "platform/paths.h"

#include <QFileDialog>
#include <QFileInfo>

namespace Platform {

namespace {

// Each letter becomes a set of its two cases; both Qt's dialog and the desktop dialogs read
// "[...]" in a pattern, where none offers a switch for case-blind filters.
QString anyCasePattern(const QString &pattern)
{
    QString result;
    for (const QChar c : pattern) {
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (lower != upper)
            result += u'[' + QString(lower) + QString(upper) + u']';
        else
            result += c;
    }
    return result;
}

// The dialog's form of a "description\0pattern\0" filter: "description (pattern)", the pattern
// spelled so that it matches in any case ("*.WSS" becomes "*.[wW][sS][sS]").
QString dialogNameFilter(const QString &filter)
{
    const QStringList parts = filter.split(QChar(0));
    const QString description = parts.value(0);
    const QString pattern = parts.value(1);
    return pattern.isEmpty() ? description : description + QStringLiteral(" (") + anyCasePattern(pattern) + u')';
}

} // namespace

QString GetOpenFileName(QWidget *owner, const QString &title, const QString &startFolder, const QString &filter)
{
    QFileDialog dialog(owner, title, startFolder, dialogNameFilter(filter));
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
