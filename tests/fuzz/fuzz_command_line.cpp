// Any file name, quoted into a tool's command line and split back as the runner splits it, comes
// back as exactly one identical argument.

#include "os_util/command_line_text.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString name = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (name.isEmpty())
        return 0; // an empty word adds no argument, by design
    const QString commandLine = QStringLiteral("WSSdec.exe ") + OSUtil::QuoteArgument(name);
    if (OSUtil::SplitCommandLine(commandLine) != QStringList{QStringLiteral("WSSdec.exe"), name})
        std::abort();
    return 0;
}
