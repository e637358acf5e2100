#include "platform/QtSystemInfoTool.h"
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

bool QtSystemInfoTool::registryString(const QString& keyPath, const QString& valueName, QString& value)
{
    value.clear();
#ifdef Q_OS_WIN
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, reinterpret_cast<const wchar_t*>(keyPath.utf16()), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    wchar_t buffer[512] = {};   // 1024 bytes
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    DWORD type = 0;
    const LONG read = RegQueryValueExW(key, reinterpret_cast<const wchar_t*>(valueName.utf16()), nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS)
        return false;
    if (type == REG_SZ)
        value = QString::fromWCharArray(buffer);   // ends at the first NUL
    return true;
#else
    Q_UNUSED(keyPath);
    Q_UNUSED(valueName);
    return false;
#endif
}

bool QtSystemInfoTool::fileExists(const QString& path) { return QFileInfo(path).isFile(); }

QString QtSystemInfoTool::findProgram(const QStringList& names)
{
    for (const QString& name : names) {
        QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool QtSystemInfoTool::startDetached(const QString& path) { return QProcess::startDetached(path, {}); }
