#pragma once

// Writing one value into a profile file: the INI-style text file ("[section]" lines, then
// "key=value" lines) that this program shares with other programs, such as VisualBasic.ini.

#include <QByteArray>
#include <QString>

#include <optional>

namespace Platform {

// Writes key=value into [section] of the profile file at filePath, changing only that one line.
// Section and key names match without regard to case or to blanks around them. A missing key is
// added at the end of its section, a missing section at the end of the file, a missing file is
// created (its folder must exist). When filePath is a symbolic link, the file it points to is
// written and the link stays. Returns true on success; false, with the file untouched, when the
// entry is refused (see SetProfileValue) or on an I/O failure.
bool WriteProfileString(const QString &section, const QString &key, const QString &value, const QString &filePath);

// The edit itself: returns content (UTF-8 text of a profile file) with key=value set in
// [section], every other byte kept. Returns nothing when the entry is refused: a line break or
// NUL anywhere, a ']' in the section, or an '=' in the key, or a key starting with ';' or '['.
std::optional<QByteArray> SetProfileValue(
    const QByteArray &content, const QByteArray &section, const QByteArray &key, const QByteArray &value);

} // namespace Platform
