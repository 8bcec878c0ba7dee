#include "os_util/dialog_filter.h"

#include "os_util/os_util.h"

namespace OSUtil {

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

} // namespace

QString DialogFilter(const QString &shortForm)
{
    return ReplaceText(shortForm, QStringLiteral(","), QString(QChar(0))) + QChar(0);
}

DialogFilterParts SplitDialogFilter(const QString &dialogFilter)
{
    const QStringList parts = dialogFilter.split(QChar(0));
    return {parts.value(0), parts.value(1)};
}

QString NameFilter(const QString &dialogFilter)
{
    const DialogFilterParts parts = SplitDialogFilter(dialogFilter);
    if (parts.pattern.isEmpty())
        return parts.description;
    return parts.description + QStringLiteral(" (") + anyCasePattern(parts.pattern) + u')';
}

} // namespace OSUtil
