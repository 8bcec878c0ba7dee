#pragma once

#include <QString>

// The per-user settings store: text values addressed by application, section and key.
// Each application's values live in "<application>.ini" in the user's configuration folder.
namespace Platform {

// The stored value, or defaultValue when the key was never written. A value saved empty reads
// back as "", not as the default.
QString GetSetting(const QString &application, const QString &section, const QString &key, const QString &defaultValue);

// Creates or replaces a value. Returns false when the store could not be written.
bool SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value);

} // namespace Platform
