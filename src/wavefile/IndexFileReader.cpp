#include "wavefile/IndexFileReader.h"

#include <fstream>
#include <functional>
#include <new>
#include <system_error>
#include <vector>

#include "resources/StringTable.h"
#include "wavefile/ByteReader.h"
#include "wavefile/FirstRecord.h"
#include "wavefile/Utf16Text.h"

namespace kp {
namespace {

struct ListedEntry {
    std::string name;
    std::uint32_t blockNumber = 0;
};

using EntryDecoder = std::function<ListedEntry(std::span<const std::uint8_t> entry, std::size_t position)>;

void Show(const IndexReadRequest& request, UserMessages& messages, const std::string& text, MessageIcon icon)
{
    if (request.showMessages)
        messages.show(text, MessageButtons::Ok, icon);
}

void ShowNotIndex(const IndexReadRequest& request, UserMessages& messages)
{
    Show(request, messages, KpFormat(IDS_NOT_WAVEFORM_FILE, request.indexPath.string()), MessageIcon::Warning);
}

BlockFileEntry MakeEntry(const std::filesystem::path& folder, const ListedEntry& listed)
{
    BlockFileEntry entry;
    entry.listedName = listed.name;
    entry.blockNumber = listed.blockNumber;
    // A name that would lead out of the index file's folder is listed but never followed.
    if (!IsPlainListedName(listed.name))
        return entry;
    entry.path = folder / listed.name;
    std::error_code ec;
    entry.exists = std::filesystem::is_regular_file(entry.path, ec);
    entry.selectable = entry.exists;
    HeaderRecord block {};
    if (entry.exists && ReadFirstRecord(entry.path, block)) {
        entry.timeDiv = FieldText(block, 11);
        entry.trigDate = FieldText(block, 7);
        entry.trigTime = FieldText(block, 8);
    }
    return entry;
}

// Shared frame of the three table layouts: count check, table bounds against
// the file size before anything is allocated, one read of the whole table.
bool ReadTable(const IndexReadRequest& request, long long tableStart, std::size_t entrySize, const EntryDecoder& decode,
    CBlockFileList& out, UserMessages& messages)
{
    const long long count = FieldInt(request.head, 6);
    if (count < 1) {
        ShowNotIndex(request, messages);
        return false;
    }

    std::ifstream in(request.indexPath, std::ios::binary);
    if (!in) {
        Show(request, messages, std::string(KpString(IDS_UNABLE_TO_OPEN)), MessageIcon::Error);
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff fileSize = in.tellg();
    if (fileSize < 0) {
        Show(request, messages, std::string(KpString(IDS_UNABLE_TO_OPEN)), MessageIcon::Error);
        return false;
    }
    const auto size = static_cast<std::uint64_t>(fileSize);
    // A count the file cannot hold is not an index table, whatever it claims.
    if (tableStart < 0 || static_cast<std::uint64_t>(count) > size / entrySize
        || !Fits(size, static_cast<std::uint64_t>(tableStart), static_cast<std::uint64_t>(count) * entrySize)) {
        ShowNotIndex(request, messages);
        return false;
    }

    const std::size_t tableBytes = static_cast<std::size_t>(count) * entrySize;
    std::vector<std::uint8_t> table;
    try {
        table.resize(tableBytes);
    } catch (const std::bad_alloc&) {
        Show(request, messages, std::string(KpString(IDS_MEMORY_INSUFFICIENT)), MessageIcon::Error);
        return false;
    }
    in.seekg(tableStart, std::ios::beg);
    in.read(reinterpret_cast<char*>(table.data()), static_cast<std::streamsize>(tableBytes));
    if (!in || static_cast<std::size_t>(in.gcount()) != tableBytes) {
        Show(request, messages, std::string(KpString(IDS_UNABLE_TO_OPEN)), MessageIcon::Error);
        return false;
    }
    in.close();

    CBlockFileList list;
    list.SetIndexFilePath(request.indexPath);
    list.SetBlockFileCount(static_cast<int>(count));
    const std::filesystem::path folder = request.indexPath.parent_path();
    const std::span<const std::uint8_t> all(table);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const ListedEntry listed = decode(all.subspan(i * entrySize, entrySize), i);
        list.SetBlockFileInfoByIndex(static_cast<int>(i), MakeEntry(folder, listed));
    }
    out = std::move(list);
    return true;
}

long long RecordStart(const HeaderRecord& head)
{
    const long long record = FieldInt(head, 1);
    // Past this the byte offset would overflow; no file is that large anyway.
    if (record < 0 || record > (1LL << 40))
        return -1;
    return record * 512;
}

} // namespace

std::string IndexName83(const std::uint8_t* twelveChars)
{
    std::string name;
    for (int i = 0; i < 12; ++i) {
        if (i == 8)
            name += '.';
        const char c = static_cast<char>(twelveChars[i]);
        if (c != ' ' && c != '\0')
            name += c;
    }
    return name;
}

bool IsPlainListedName(const std::string& name)
{
    if (name.empty() || name == "." || name.find("..") != std::string::npos
        || name.find_first_of("/\\") != std::string::npos)
        return false;
    const std::filesystem::path p(name);
    return !p.has_root_name() && !p.has_root_directory();
}

bool ReadIndexFile1(const IndexReadRequest& request, CBlockFileList& out, UserMessages& messages)
{
    auto decode = [](std::span<const std::uint8_t> e, std::size_t) {
        return ListedEntry { IndexName83(e.data() + 4), LoadBE32(e.data()) };
    };
    return ReadTable(request, RecordStart(request.head), kIndexEntrySize1, decode, out, messages);
}

bool ReadIndexFile2(const IndexReadRequest& request, CBlockFileList& out, UserMessages& messages)
{
    auto decode = [](std::span<const std::uint8_t> e, std::size_t) {
        std::string name;
        for (std::size_t i = 4; i < e.size() && e[i] != 0; ++i)
            name += static_cast<char>(e[i]);
        return ListedEntry { name, LoadBE32(e.data()) };
    };
    return ReadTable(request, RecordStart(request.head), kIndexEntrySize2, decode, out, messages);
}

bool ReadIndexFile3(const IndexReadRequest& request, CBlockFileList& out, UserMessages& messages)
{
    auto decode = [](std::span<const std::uint8_t> e, std::size_t position) {
        return ListedEntry { Utf16ToUtf8(e, ByteOrder::Big, kIndexEntrySize3 / 2, kIndexName3MaxBytes),
            static_cast<std::uint32_t>(position) };
    };
    return ReadTable(request, static_cast<long long>(kIndexTableStart3), kIndexEntrySize3, decode, out, messages);
}

} // namespace kp
