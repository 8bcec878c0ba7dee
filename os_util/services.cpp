// The window's platform services, one line each: the window sees only OSUtil.

#include "os_util/os_util.h"

#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/program_icon.h"
#include "platform/settings_store.h"

namespace OSUtil {

QString HomeFolder()
{
    return Platform::HomeFolder();
}

QString GetSetting(const QString &application, const QString &section, const QString &key, const QString &defaultValue)
{
    return Platform::GetSetting(application, section, key, defaultValue);
}

bool SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value)
{
    return Platform::SaveSetting(application, section, key, value);
}

QString FindFirstFile(const QString &pattern)
{
    return Platform::FindFirstFile(pattern);
}

void ShowMessage(QWidget *owner, const QString &text)
{
    Platform::ShowMessage(owner, text);
}

QIcon ProgramIcon()
{
    return Platform::ProgramIcon();
}

} // namespace OSUtil
