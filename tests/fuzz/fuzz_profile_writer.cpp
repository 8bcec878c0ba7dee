// Sets one value in any profile file content. When the entry is accepted, every byte outside the
// one line it sets is unchanged and a reader finds the value; when it is refused, the file stays
// byte-identical.

#include "platform/profile_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdlib>
#include <optional>

namespace {

QByteArray trimmed(const QByteArray &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && (text.at(from) == ' ' || text.at(from) == '\t'))
        ++from;
    while (to > from && (text.at(to - 1) == ' ' || text.at(to - 1) == '\t'))
        --to;
    return text.mid(from, to - from);
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return QString::compare(QString::fromUtf8(a), QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

// A reader written apart from the writer, the way other programs read these files: the first
// section of that name, the first key of that name in it, the rest of its line as the value.
std::optional<QByteArray> readValue(QByteArray content, const QByteArray &section, const QByteArray &key)
{
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    bool inSection = false;
    bool seenSection = false;
    for (QByteArray line : content.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray text = trimmed(line);
        if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            if (close < 0)
                continue;
            if (inSection)
                return std::nullopt;
            inSection = !seenSection && sameName(trimmed(text.mid(1, close - 1)), trimmed(section));
            seenSection = seenSection || inSection;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSection || text.startsWith(';') || equals < 0)
            continue;
        if (sameName(trimmed(line.left(equals)), trimmed(key)))
            return line.mid(equals + 1);
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto take = [&input](std::size_t most) {
        const std::string s = input.ConsumeRandomLengthString(most);
        return QByteArray(s.data(), qsizetype(s.size()));
    };
    const QByteArray section = take(32);
    const QByteArray key = take(32);
    const QByteArray value = take(32);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray content(rest.data(), qsizetype(rest.size()));

    const std::optional<QByteArray> result = Platform::SetProfileValue(content, section, key, value);
    if (!result) {
        // Refused: the caller writes nothing. Refusals must be for a reason the header names.
        const bool lineBreakOrNul = (section + key + value).contains('\n') || (section + key + value).contains('\r')
            || (section + key + value).contains('\0');
        const QByteArray name = trimmed(key);
        if (!lineBreakOrNul && !section.contains(']') && !name.contains('=') && !name.startsWith(';')
            && !name.startsWith('['))
            std::abort();
        return 0;
    }
    if (readValue(*result, section, key) != value)
        std::abort();

    // Every byte outside the changed stretch is kept, and that stretch lies within one line of
    // the old content (a line rewritten, or lines put in between two others).
    qsizetype head = 0;
    while (head < content.size() && head < result->size() && content.at(head) == result->at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < content.size() - head && tail < result->size() - head
        && content.at(content.size() - 1 - tail) == result->at(result->size() - 1 - tail))
        ++tail;
    const QByteArray removed = content.mid(head, content.size() - head - tail);
    if (removed.contains('\n'))
        std::abort();
    return 0;
}
