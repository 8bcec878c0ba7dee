#include "os_util/progress_line.h"

#include <QFile>
#include <QList>

#include <cctype>

namespace OSUtil {

namespace {

// By hand: the escaping is the tools' own, and no library reads exactly it.
std::optional<QString> unescapeName(const QByteArray &field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c != '\\') {
            bytes += c;
            continue;
        }
        if (++i >= field.size())
            return std::nullopt;
        switch (field.at(i)) {
        case '\\':
            bytes += '\\';
            break;
        case 't':
            bytes += '\t';
            break;
        case 'n':
            bytes += '\n';
            break;
        case 'r':
            bytes += '\r';
            break;
        case 'x': {
            const QByteArray digits = field.mid(i + 1, 2);
            if (digits.size() != 2 || !std::isxdigit(uchar(digits[0])) || !std::isxdigit(uchar(digits[1])))
                return std::nullopt;
            bytes += char(digits.toInt(nullptr, 16));
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    // Names are bytes, as the file system has them.
    return QFile::decodeName(bytes);
}

std::optional<int> number(const QByteArray &field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<ProgressEvent> ParseProgressLine(const QByteArray &line)
{
    using Kind = ProgressEvent::Kind;
    struct Shape
    {
        const char *word;
        Kind kind;
        qsizetype fields;
    };
    static const Shape kShapes[] = {{"files", Kind::Files, 2}, {"start", Kind::Start, 3}, {"kept", Kind::Kept, 4},
        {"wrote", Kind::Wrote, 3}, {"same", Kind::Same, 3}, {"skipped", Kind::Skipped, 3}, {"failed", Kind::Failed, 4}};

    const QList<QByteArray> fields = line.split('\t');
    for (const Shape &shape : kShapes) {
        if (fields.constFirst() != shape.word)
            continue;
        if (fields.size() != shape.fields)
            return std::nullopt;
        ProgressEvent event;
        event.kind = shape.kind;
        const std::optional<int> first = number(fields.at(1));
        if (!first)
            return std::nullopt;
        if (shape.kind == Kind::Files) {
            event.count = *first;
            return event;
        }
        event.index = *first;
        const std::optional<QString> name = unescapeName(fields.at(2));
        if (!name || *first < 1)
            return std::nullopt;
        event.name = *name;
        if (shape.kind == Kind::Kept) {
            const std::optional<QString> backup = unescapeName(fields.at(3));
            if (!backup)
                return std::nullopt;
            event.backup = *backup;
        } else if (shape.kind == Kind::Failed) {
            const std::optional<int> code = number(fields.at(3));
            if (!code)
                return std::nullopt;
            event.code = *code;
        }
        return event;
    }
    return std::nullopt;
}

} // namespace OSUtil
