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

QString serialPortLabel(const ISettingsStore* store, int n)
{
    const QString port = QStringLiteral("COM%1").arg(n);
    const QString device = serialDeviceForPort(store, n);
    return device.isEmpty() || device.compare(port, Qt::CaseInsensitive) == 0 ? port : port + " (" + device + ")";
}

QString serialPortFailure(const QString& label, const QString& happened, const QString& reason)
{
    QString why = reason.trimmed();
    while (why.endsWith(QLatin1Char('.')))
        why.chop(1);
    if (why.isEmpty())
        why = QStringLiteral("unknown error");
    return label + QLatin1Char(' ') + happened + QStringLiteral(": ") + why + QLatin1Char('.');
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
