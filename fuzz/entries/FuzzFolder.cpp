#include "FuzzFolder.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace kp::fuzz {

namespace {

std::filesystem::path BaseFolder()
{
    std::error_code ec;
    const std::filesystem::path shm("/dev/shm");
    if (std::filesystem::is_directory(shm, ec))
        return shm;
    return std::filesystem::temp_directory_path();
}

} // namespace

FuzzFolder& FuzzFolder::Instance()
{
    static FuzzFolder folder;
    return folder;
}

FuzzFolder::FuzzFolder()
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    const auto base = BaseFolder();
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = base / ("kp-fuzz-" + std::to_string(random()));
        std::error_code ec;
        if (std::filesystem::create_directory(path_, ec))
            return;
    }
    throw std::runtime_error("kp fuzz: could not create a folder under " + base.string());
}

FuzzFolder::~FuzzFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void FuzzFolder::clear()
{
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(path_, ec))
        std::filesystem::remove_all(entry.path(), ec);
}

std::filesystem::path FuzzFolder::write(std::string_view name, std::span<const std::uint8_t> bytes)
{
    const auto file = path_ / std::string(name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("kp fuzz: could not write " + file.string());
    return file;
}

std::filesystem::path FuzzFolder::writeBundle(const Bundle& bundle)
{
    clear();
    const auto opened = write(kOpenedName, bundle.opened);
    for (const auto& companion : bundle.companions)
        write(companion.name, companion.bytes);
    return opened;
}

} // namespace kp::fuzz
