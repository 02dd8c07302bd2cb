#include "platform/SettingsStore.h"

namespace kp {

int MemorySettingsStore::readInt(const std::string& section, const std::string& key, int defaultValue) const
{
    auto it = ints_.find({ section, key });
    return it == ints_.end() ? defaultValue : it->second;
}

std::string MemorySettingsStore::readText(
    const std::string& section, const std::string& key, const std::string& defaultValue) const
{
    auto it = texts_.find({ section, key });
    return it == texts_.end() ? defaultValue : it->second;
}

std::optional<std::vector<std::uint8_t>> MemorySettingsStore::readBinary(
    const std::string& section, const std::string& key) const
{
    auto it = binaries_.find({ section, key });
    if (it == binaries_.end())
        return std::nullopt;
    return it->second;
}

void MemorySettingsStore::writeInt(const std::string& section, const std::string& key, int value)
{
    ints_[{ section, key }] = value;
}

void MemorySettingsStore::writeText(const std::string& section, const std::string& key, const std::string& value)
{
    texts_[{ section, key }] = value;
}

void MemorySettingsStore::writeBinary(
    const std::string& section, const std::string& key, const std::vector<std::uint8_t>& value)
{
    binaries_[{ section, key }] = value;
}

bool MemorySettingsStore::contains(const std::string& section, const std::string& key) const
{
    Key k { section, key };
    return ints_.count(k) || texts_.count(k) || binaries_.count(k);
}

} // namespace kp
