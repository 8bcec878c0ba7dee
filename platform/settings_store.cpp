#include "platform/settings_store.h"

#include <QSettings>

// QSettings keeps an INI file per application under the XDG config folder
// ($XDG_CONFIG_HOME/<application>.ini), and locks it while writing.

namespace Platform {

QString GetSetting(const QString &application, const QString &section, const QString &key, const QString &defaultValue)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, application);
    store.beginGroup(section);
    return store.contains(key) ? store.value(key).toString() : defaultValue;
}

bool SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, application);
    store.beginGroup(section);
    store.setValue(key, value);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace Platform
