// The profile file is shared with other programs, so a write must change only the one line it
// sets and leave every other byte (comments, blank lines, odd lines, BOM, CRLF ends) alone. No
// library does that: QSettings and the INI parsers read the whole file and write it back in
// their own form. So the edit below works on the raw bytes, line by line.

#include "platform/profile_file.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

namespace Platform {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
constexpr int kMaxLinkHops = 40;
constexpr int kLockWaitMs = 5000;
constexpr int kLockRetryMs = 10;
constexpr int kStaleLockMs = 10000; // a write holds the lock for milliseconds

// One line of the file: [start, bodyEnd) is its text, [bodyEnd, end) its line end ("\n",
// "\r\n", or nothing on a last line without one).
struct Line
{
    qsizetype start;
    qsizetype bodyEnd;
    qsizetype end;
};

enum class LineKind { Other, Section, Key };

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    QByteArray name;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimBlanks(const QByteArray &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text.at(from)))
        ++from;
    while (to > from && isBlank(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return QString::compare(QString::fromUtf8(a), QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

QList<Line> splitLines(const QByteArray &content, qsizetype from)
{
    QList<Line> lines;
    while (from < content.size()) {
        const qsizetype newline = content.indexOf('\n', from);
        if (newline < 0) {
            lines.append({from, content.size(), content.size()});
            break;
        }
        const bool crlf = newline > from && content.at(newline - 1) == '\r';
        lines.append({from, crlf ? newline - 1 : newline, newline + 1});
        from = newline + 1;
    }
    return lines;
}

// A section header is "[name]" (the name ends at the first ']', as other readers take it); a key
// line is "name=value"; comments (';') and anything else are kept but never match.
ParsedLine parseLine(const QByteArray &body)
{
    const QByteArray text = trimBlanks(body);
    if (text.startsWith('[')) {
        const qsizetype close = text.indexOf(']');
        if (close < 0)
            return {};
        return {LineKind::Section, trimBlanks(text.mid(1, close - 1))};
    }
    const qsizetype equals = text.indexOf('=');
    if (text.startsWith(';') || equals < 0)
        return {};
    return {LineKind::Key, trimBlanks(text.left(equals))};
}

bool holdsLineBreakOrNul(const QByteArray &text)
{
    return text.contains('\n') || text.contains('\r') || text.contains('\0');
}

// A line break or NUL would let a caller add lines of its own to a file other programs read. The
// rest could not be read back: a ']' ends a section name, an '=' ends a key, and a key line that
// starts with ';' or '[' reads as a comment or a section.
bool isAllowedEntry(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    if (holdsLineBreakOrNul(section) || holdsLineBreakOrNul(key) || holdsLineBreakOrNul(value))
        return false;
    const QByteArray name = trimBlanks(key);
    return !section.contains(']') && !name.contains('=') && !name.startsWith(';') && !name.startsWith('[');
}

QByteArray lineEndOf(const QByteArray &content)
{
    const qsizetype newline = content.indexOf('\n');
    return newline > 0 && content.at(newline - 1) == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

QByteArray insertLineAfter(const QByteArray &content, const Line &line, const QByteArray &text, const QByteArray &eol)
{
    if (line.bodyEnd == line.end) // the file's last line, without a line end
        return content + eol + text + eol;
    return content.left(line.end) + text + eol + content.mid(line.end);
}

std::optional<QByteArray> readFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

// QSaveFile writes a temporary file beside the target and renames it over the target, so a
// crash leaves the old file or the new one. It keeps the target's permissions.
bool saveFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size())
        return false;
    return file.commit();
}

// QLockFile::tryLock(timeout) doubles its pause between tries (0.1 s, 0.2 s, ... 3.2 s), so a
// waiter can sleep through most of its time while the lock is free; try again every few ms.
bool lockWithin(QLockFile &lock, int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(kLockRetryMs);
    }
    return true;
}

// The file a write really changes: links followed (relative ones from their own folder, a
// dangling one to the file it names), in a folder spelled canonically so that every writer
// of this file uses the same lock. Empty when the folder is missing or the links loop.
QString resolveTarget(const QString &filePath)
{
    QFileInfo info(filePath);
    for (int hops = 0; info.isSymLink(); ++hops) {
        if (hops == kMaxLinkHops)
            return {};
        info.setFile(info.symLinkTarget());
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return {};
    return folder + QLatin1Char('/') + info.fileName();
}

} // namespace

std::optional<QByteArray> SetProfileValue(
    const QByteArray &content, const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    if (!isAllowedEntry(section, key, value))
        return std::nullopt;
    const QByteArray sectionName = trimBlanks(section);
    const QByteArray keyName = trimBlanks(key);
    const QByteArray eol = lineEndOf(content);
    const qsizetype textStart = content.startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
    const QList<Line> lines = splitLines(content, textStart);

    qsizetype lastLineOfSection = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        const QByteArray body = content.mid(line.start, line.bodyEnd - line.start);
        const ParsedLine parsed = parseLine(body);
        if (parsed.kind == LineKind::Section) {
            if (lastLineOfSection >= 0)
                break;
            if (sameName(parsed.name, sectionName))
                lastLineOfSection = i;
        } else if (lastLineOfSection >= 0) {
            if (parsed.kind == LineKind::Key && sameName(parsed.name, keyName)) {
                // The key keeps the file's spelling; the line keeps its own line end.
                return content.left(line.start) + parsed.name + '=' + value + content.mid(line.bodyEnd);
            }
            if (!trimBlanks(body).isEmpty())
                lastLineOfSection = i;
        }
    }
    const QByteArray entry = keyName + '=' + value;
    if (lastLineOfSection >= 0)
        return insertLineAfter(content, lines.at(lastLineOfSection), entry, eol);

    QByteArray result = content;
    if (!lines.isEmpty() && lines.last().bodyEnd == lines.last().end)
        result += eol;
    return result + '[' + sectionName + ']' + eol + entry + eol;
}

bool WriteProfileString(const QString &section, const QString &key, const QString &value, const QString &filePath)
{
    const QByteArray sectionBytes = section.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    const QByteArray valueBytes = value.toUtf8();
    if (!isAllowedEntry(sectionBytes, keyBytes, valueBytes))
        return false;
    const QString target = resolveTarget(filePath);
    if (target.isEmpty())
        return false;

    // Hold the lock from reading to renaming, so that two of our writers never both start from
    // the same old content and one loses the other's value. Programs that don't take this lock
    // still only ever see the old file or the new one, thanks to the rename.
    QLockFile lock(target + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lockWithin(lock, kLockWaitMs))
        return false;

    const std::optional<QByteArray> current = readFile(target);
    if (!current)
        return false;
    const std::optional<QByteArray> updated = SetProfileValue(*current, sectionBytes, keyBytes, valueBytes);
    if (!updated)
        return false;
    if (*updated == *current)
        return true; // the value is already there: leave the file and its time alone
    return saveFile(target, *updated);
}

} // namespace Platform
