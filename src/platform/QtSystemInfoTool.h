#pragma once
#include "platform/SystemInfoTool.h"

class QtSystemInfoTool final : public ISystemInfoTool {
public:
    bool registryString(const QString& keyPath, const QString& valueName, QString& value) override;
    bool fileExists(const QString& path) override;
    QString findProgram(const QStringList& names) override;
    bool startDetached(const QString& path) override;
};
