#include "app/QtSettingsStore.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace kp {

namespace {

QString PathOf(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Voranwerk"), QStringLiteral("Kp")))
{
}

QtSettingsStore::QtSettingsStore(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
}

QtSettingsStore::~QtSettingsStore()
{
    settings_->sync();
}

int QtSettingsStore::readInt(const std::string& section, const std::string& key, int defaultValue) const
{
    const QVariant value = settings_->value(PathOf(section, key));
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const int result = value.toInt(&ok);
    return ok ? result : defaultValue;
}

std::string QtSettingsStore::readText(
    const std::string& section, const std::string& key, const std::string& defaultValue) const
{
    const QVariant value = settings_->value(PathOf(section, key));
    if (!value.isValid() || !value.canConvert<QString>())
        return defaultValue;
    return value.toString().toStdString();
}

std::optional<std::vector<std::uint8_t>> QtSettingsStore::readBinary(
    const std::string& section, const std::string& key) const
{
    const QVariant value = settings_->value(PathOf(section, key));
    if (!value.isValid() || value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void QtSettingsStore::writeInt(const std::string& section, const std::string& key, int value)
{
    settings_->setValue(PathOf(section, key), value);
}

void QtSettingsStore::writeText(const std::string& section, const std::string& key, const std::string& value)
{
    settings_->setValue(PathOf(section, key), QString::fromStdString(value));
}

void QtSettingsStore::writeBinary(
    const std::string& section, const std::string& key, const std::vector<std::uint8_t>& value)
{
    settings_->setValue(PathOf(section, key),
        QByteArray(reinterpret_cast<const char*>(value.data()), static_cast<qsizetype>(value.size())));
}

bool QtSettingsStore::flush()
{
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString QtSettingsStore::fileName() const
{
    return settings_->fileName();
}

} // namespace kp
