#pragma once
#include "platform/SettingsStore.h"
#include <QMap>

class MemorySettingsStore final : public ISettingsStore {
public:
    QString getText(const QString& section, const QString& key, const QString& def) const override
    {
        return values.value(section + '/' + key, def);
    }
    bool contains(const QString& section, const QString& key) const override
    {
        return values.contains(section + '/' + key);
    }
    void setText(const QString& section, const QString& key, const QString& value) override
    {
        values[section + '/' + key] = value;
    }
    void sync() override {}

    QMap<QString, QString> values;
};
