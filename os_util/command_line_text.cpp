#include "os_util/command_line_text.h"

#include <QProcess>

#include <algorithm>

namespace OSUtil {

QString QuoteArgument(const QString &word)
{
    const bool needsQuotes = std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isSpace() || c == u'"'; });
    if (!needsQuotes)
        return word;
    QString quoted(u'"');
    for (const QChar c : word) {
        if (c == u'"')
            quoted += QLatin1String(R"(""")");
        else
            quoted += c;
    }
    quoted += u'"';
    return quoted;
}

QString BuildCommandLine(const QString &prefix, const QString &fileName)
{
    return prefix + QuoteArgument(fileName);
}

// QProcess::splitCommand reads exactly the format QuoteArgument writes.
QStringList SplitCommandLine(const QString &commandLine)
{
    return QProcess::splitCommand(commandLine);
}

} // namespace OSUtil
