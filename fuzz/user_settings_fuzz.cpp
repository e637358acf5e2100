// The per-user settings read from a settings file holding anything.
#include "FuzzInput.h"
#include "link/UserSettings.h"
#include "platform/QtSettingsStore.h"
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApp();
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(fuzz::bytes(data, size));
    }
    QtSettingsStore store(path);
    const UserSettings::Values values = UserSettings::Read(store);
    UserSettings::Write(store, values, QString());
    return 0;
}
