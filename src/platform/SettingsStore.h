#pragma once
// The per-user settings branch: integer, text and binary values by section and
// key. A read never fails: a missing value returns the caller's default.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kp {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int readInt(const std::string& section, const std::string& key, int defaultValue) const = 0;
    virtual std::string readText(
        const std::string& section, const std::string& key, const std::string& defaultValue) const = 0;
    virtual std::optional<std::vector<std::uint8_t>> readBinary(
        const std::string& section, const std::string& key) const = 0;
    virtual void writeInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void writeText(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual void writeBinary(const std::string& section, const std::string& key, const std::vector<std::uint8_t>& value)
        = 0;
};

// In-memory store for tests and for runs that must not touch the user's settings.
class MemorySettingsStore final : public SettingsStore {
public:
    int readInt(const std::string& section, const std::string& key, int defaultValue) const override;
    std::string readText(
        const std::string& section, const std::string& key, const std::string& defaultValue) const override;
    std::optional<std::vector<std::uint8_t>> readBinary(
        const std::string& section, const std::string& key) const override;
    void writeInt(const std::string& section, const std::string& key, int value) override;
    void writeText(const std::string& section, const std::string& key, const std::string& value) override;
    void writeBinary(
        const std::string& section, const std::string& key, const std::vector<std::uint8_t>& value) override;

    bool contains(const std::string& section, const std::string& key) const;
    std::size_t size() const { return ints_.size() + texts_.size() + binaries_.size(); }

private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, int> ints_;
    std::map<Key, std::string> texts_;
    std::map<Key, std::vector<std::uint8_t>> binaries_;
};

} // namespace kp
