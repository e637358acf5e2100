#pragma once
#include <QString>
#include <QStringList>

// What the About box needs to find and start the platform's system-information tool.
class ISystemInfoTool {
public:
    virtual ~ISystemInfoTool() = default;
    // One string value below HKEY_LOCAL_MACHINE, the key opened for reading only. False
    // where it cannot be read, and on platforms without a registry.
    virtual bool registryString(const QString& keyPath, const QString& valueName, QString& value) = 0;
    virtual bool fileExists(const QString& path) = 0;
    // The full path of the first of `names` found on the PATH, or "".
    virtual QString findProgram(const QStringList& names) = 0;
    // Starts the program at `path` by itself, with no shell and no arguments, without
    // waiting for it. False when it could not be started.
    virtual bool startDetached(const QString& path) = 0;
};
