#include "platform/SerialPortNames.h"
#include "platform/SettingsStore.h"
#include <QSerialPortInfo>
#include <sys/stat.h>

QString serialDeviceForPort(const ISettingsStore* store, int n)
{
    const QString key = QStringLiteral("COM%1").arg(n);
    if (store && store->contains(QStringLiteral("SerialPorts"), key))
        return store->getText(QStringLiteral("SerialPorts"), key, QString());
#ifdef Q_OS_WIN
    return key;
#else
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

bool serialPortExists(const ISettingsStore* store, int n)
{
    const QString device = serialDeviceForPort(store, n);
    if (device.isEmpty())
        return false;
#ifdef Q_OS_WIN
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (info.portName().compare(device, Qt::CaseInsensitive) == 0)
            return true;
    return false;
#else
    struct stat st {};
    return ::stat(device.toLocal8Bit().constData(), &st) == 0 && S_ISCHR(st.st_mode);
#endif
}
