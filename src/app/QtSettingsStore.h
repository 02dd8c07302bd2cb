#pragma once
// The settings store on QSettings: organisation "Voranwerk", application "Kp",
// in the platform's native place (~/.config/Voranwerk/Kp.conf on Linux,
// following XDG_CONFIG_HOME). Needs no QCoreApplication, so the unattended
// road uses it as well. Sections are groups; binary values are QByteArray.

#include "platform/SettingsStore.h"

#include <QSettings>

#include <memory>

namespace kp {

class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    // A store in the given file (INI format); for tests.
    explicit QtSettingsStore(const QString& fileName);
    ~QtSettingsStore() override;

    int readInt(const std::string& section, const std::string& key, int defaultValue) const override;
    std::string readText(
        const std::string& section, const std::string& key, const std::string& defaultValue) const override;
    std::optional<std::vector<std::uint8_t>> readBinary(
        const std::string& section, const std::string& key) const override;
    void writeInt(const std::string& section, const std::string& key, int value) override;
    void writeText(const std::string& section, const std::string& key, const std::string& value) override;
    void writeBinary(
        const std::string& section, const std::string& key, const std::vector<std::uint8_t>& value) override;

    // Writes pending changes; false when they could not be stored.
    bool flush();
    QString fileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace kp
