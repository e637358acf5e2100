#include "platform/QtSettingsStore.h"

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Tubamon"), QStringLiteral("Tubamon")))
{
}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

QString QtSettingsStore::getText(const QString& section, const QString& key, const QString& defaultValue) const
{
    return settings_->value(section + '/' + key, defaultValue).toString();
}

bool QtSettingsStore::contains(const QString& section, const QString& key) const
{
    return settings_->contains(section + '/' + key);
}

void QtSettingsStore::setText(const QString& section, const QString& key, const QString& value)
{
    settings_->setValue(section + '/' + key, value);
}
