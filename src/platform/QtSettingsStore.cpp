#include "platform/QtSettingsStore.h"

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tubamon"),
                                            QStringLiteral("Tubamon")))
{
}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

QString QtSettingsStore::getText(const QString& section, const QString& key, const QString& defaultValue) const
{
    const QVariant value = settings_->value(section + '/' + key, defaultValue);
    // The file format reads an unquoted value with commas (line settings written by hand,
    // "9600,N,8,1") as a list: it is the same text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool QtSettingsStore::contains(const QString& section, const QString& key) const
{
    return settings_->contains(section + '/' + key);
}

void QtSettingsStore::setText(const QString& section, const QString& key, const QString& value)
{
    settings_->setValue(section + '/' + key, value);
}
