#pragma once
// Files for the recognition and index tests: a fresh folder per test and
// minimal waveform headers written with the recording writer's record maker.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "synth/IndexWriter.h"
#include "synth/RecordBytes.h"

namespace kp::testing {

class TempFolder {
public:
    TempFolder()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path()
            / ("kp-" + std::string(info->test_suite_name()) + "-" + info->name() + "-"
                + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

// A one-record waveform header; `fields` override the defaults below.
inline std::vector<std::uint8_t> WaveformHeader(std::map<int, std::string> fields = {})
{
    std::map<int, std::string> all { { 1, "1" }, { 2, "4170" }, { 4, "MEM" }, { 6, "1000" }, { 9, "41700001" } };
    for (auto& [k, v] : fields)
        all[k] = v;
    std::vector<std::uint8_t> out;
    synth::AppendRecord(out, synth::MakeRecord({ "HW", all, {} }));
    return out;
}

// An index file description built step by step: Index("HIS", "4170").entry(0, "B1MEM").
struct Index {
    synth::IndexBlueprint blueprint;
    Index(std::string tag, std::string model, std::string function = "MEM")
    {
        blueprint.tag = std::move(tag);
        blueprint.model = std::move(model);
        blueprint.function = std::move(function);
    }
    Index& layout(synth::IndexLayout l) { return blueprint.layout = l, *this; }
    Index& subModel(std::string s) { return blueprint.subModel = std::move(s), *this; }
    Index& count(std::string c) { return blueprint.countText = std::move(c), *this; }
    Index& tableRecord(int r) { return blueprint.tableRecord = r, *this; }
    Index& field(int n, std::string text) { return blueprint.fields[n] = std::move(text), *this; }
    Index& entry(std::uint32_t block, std::string name)
    {
        return blueprint.entries.push_back({ block, std::move(name) }), *this;
    }
    // A layout-1 entry named base.extension.
    Index& entry83(std::uint32_t block, const std::string& base, const std::string& extension)
    {
        return entry(block, synth::Name83Stored(base, extension));
    }
    operator const synth::IndexBlueprint&() const { return blueprint; }
};

} // namespace kp::testing
