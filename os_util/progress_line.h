#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The lines a WSS tool writes on its standard output, one per event, when the environment
// variable kProgressVariable is set to "1": fields separated by one TAB, file names escaped so
// that a line stays one line ("\\" "\t" "\n" "\r" and "\xHH" for the other control bytes). Names
// are as the tool uses them, relative to its current folder. A tool that writes none still works:
// its exit code says how the run went.
namespace OSUtil {

inline constexpr char kProgressVariable[] = "WSS_PROGRESS";

struct ProgressEvent
{
    enum class Kind {
        Files, // "files" N: N items will end, each a file or a pattern that names none (count)
        Start, // "start" I INPUT: file I begins (index, name)
        Kept, // "kept" I OUTPUT BACKUP: the existing OUTPUT was kept as BACKUP (index, name, backup)
        Wrote, // "wrote" I OUTPUT: file I's output is in place, complete (index, name)
        Same, // "same" I OUTPUT: the existing OUTPUT already held the new bytes (index, name)
        Skipped, // "skipped" I OUTPUT: -n, OUTPUT exists, file I was not converted (index, name)
        Failed, // "failed" I INPUT CODE: file I failed with exit code CODE (index, name, code)
    };

    Kind kind = Kind::Files;
    int count = 0;
    int index = 0; // 1-based
    QString name;
    QString backup;
    int code = 0;
};

// The event of one line (without its line end), or nothing for a line of an unknown kind or
// shape, which the window passes over.
std::optional<ProgressEvent> ParseProgressLine(const QByteArray &line);

} // namespace OSUtil
