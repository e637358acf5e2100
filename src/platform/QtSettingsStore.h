#pragma once
#include "platform/SettingsStore.h"
#include <QSettings>
#include <memory>

// QSettings under the application "Tubamon". An ini path may be given (tests, portable use).
class QtSettingsStore final : public ISettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& iniPath);
    QString getText(const QString& section, const QString& key, const QString& defaultValue) const override;
    bool contains(const QString& section, const QString& key) const override;
    void setText(const QString& section, const QString& key, const QString& value) override;
    void sync() override { settings_->sync(); }

private:
    std::unique_ptr<QSettings> settings_;
};
