#pragma once
#include "platform/SystemInfoTool.h"
#include <QMap>

// Registry values, files and programs as a test lays them out; records what was started.
class FakeSystemInfoTool final : public ISystemInfoTool {
public:
    bool registryString(const QString& keyPath, const QString& valueName, QString& value) override
    {
        const auto it = registry.constFind(keyPath + QLatin1Char('|') + valueName);
        value = it == registry.constEnd() ? QString() : *it;
        return it != registry.constEnd();
    }
    bool fileExists(const QString& path) override { return files.contains(path); }
    QString findProgram(const QStringList& names) override
    {
        looked << names;
        for (const QString& name : names)
            if (programs.contains(name))
                return programs.value(name);
        return {};
    }
    bool startDetached(const QString& path) override
    {
        started << path;
        return startSucceeds;
    }

    QMap<QString, QString> registry;   // "key path|value name" -> value
    QStringList files;
    QMap<QString, QString> programs;   // name on the PATH -> its full path
    QStringList looked, started;
    bool startSucceeds = true;
};
