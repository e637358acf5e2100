#pragma once
#include <QString>

// Per-user settings: text values under a section of the application's store.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual QString getText(const QString& section, const QString& key, const QString& defaultValue) const = 0;
    virtual bool contains(const QString& section, const QString& key) const = 0;
    virtual void setText(const QString& section, const QString& key, const QString& value) = 0;
    virtual void sync() = 0;
};
