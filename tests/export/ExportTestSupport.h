#pragma once
// Small helpers of the export tests: a scratch folder and whole-file reads.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace kp::test {

class ScratchDir {
public:
    explicit ScratchDir(const std::string& name)
    {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("kp-" + name + "-" + std::to_string(rd()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

} // namespace kp::test
