// The chunked family's index file: its "HM" table of contents names one
// file-reference chunk per listed waveform file, each holding the file's name
// as UTF-16 text.
#include <fstream>
#include <system_error>
#include <vector>

#include "resources/StringTable.h"
#include "wavefile/ByteReader.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/ChunkTableOfContents.h"
#include "wavefile/FirstRecord.h"
#include "wavefile/IndexFileReader.h"
#include "wavefile/Utf16Text.h"

namespace kp {

namespace {

class IndexBytes {
public:
    explicit IndexBytes(const std::filesystem::path& path)
        : in_(path, std::ios::binary)
    {
        if (!in_)
            return;
        in_.seekg(0, std::ios::end);
        const std::streamoff end = in_.tellg();
        open_ = end >= 0;
        size_ = open_ ? static_cast<std::uint64_t>(end) : 0;
    }
    bool open() const { return open_; }

    // The bytes [offset, offset + count), or nothing when they are not all in
    // the file.
    std::optional<std::vector<std::uint8_t>> read(std::uint64_t offset, std::uint64_t count)
    {
        if (!Fits(size_, offset, count))
            return std::nullopt;
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
        in_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
        if (!in_ || static_cast<std::uint64_t>(in_.gcount()) != count)
            return std::nullopt;
        return bytes;
    }

private:
    std::ifstream in_;
    bool open_ = false;
    std::uint64_t size_ = 0;
};

// The "HM" records among the index file's header records.
std::vector<HeaderRecord> TocRecords(IndexBytes& file, const HeaderRecord& head)
{
    std::vector<HeaderRecord> records;
    const long long count = FieldInt(head, 1);
    for (long long i = 1; i < count; ++i) {
        const auto bytes = file.read(static_cast<std::uint64_t>(i) * kHeaderRecordSize, kHeaderRecordSize);
        if (!bytes)
            break;
        HeaderRecord record {};
        std::copy(bytes->begin(), bytes->end(), record.begin());
        if (TagIs(record, chunk::kTocRecordTag))
            records.push_back(record);
    }
    return records;
}

// The listed name of one file-reference chunk; nothing when the chunk cannot
// hold an entry.
std::optional<std::string> ListedName(IndexBytes& file, std::uint64_t at)
{
    const auto header = file.read(at, chunk::kHeaderSize);
    if (!header)
        return std::nullopt;
    const ByteReader h(*header, ByteOrder::Little);
    const std::uint32_t size = h.u32(chunk::kSize);
    const std::uint32_t entry = h.u32(chunk::kDataOffset);
    if (size < chunk::kHeaderSize || size > chunk::kMaxFileChunkSize)
        return std::nullopt;
    const auto bytes = file.read(at, size);
    if (!bytes)
        return std::nullopt;
    const ByteReader c(*bytes, ByteOrder::Little);
    if (!c.fits(entry, chunk::kFileEntryName))
        return std::nullopt;
    const std::uint64_t nameAt = std::uint64_t { entry } + chunk::kFileEntryName;
    const std::uint64_t length = std::min<std::uint64_t>(c.u16(entry + chunk::kFileEntryNameLength), c.size() - nameAt);
    return Utf16ToUtf8(c.slice(nameAt, length), ByteOrder::Little, length / 2, chunk::kFileNameMaxBytes);
}

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

std::optional<std::filesystem::path> ResolveChunkedListedName(
    const std::filesystem::path& folder, const std::string& name)
{
    // Names come with the instrument's "\" separators. A leading "." folder
    // is the index file's own; ".." or a root, drive or stream name would
    // lead elsewhere and is not followed.
    std::vector<std::string> parts;
    std::string part;
    const bool rooted = !name.empty() && IsSeparator(name[0]);
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || IsSeparator(name[i])) {
            if (!part.empty() && part != ".")
                parts.push_back(part);
            part.clear();
        } else {
            part += name[i];
        }
    }
    if (rooted || parts.empty())
        return std::nullopt;
    std::filesystem::path path = folder;
    for (const std::string& p : parts) {
        if (p == ".." || p.find(':') != std::string::npos)
            return std::nullopt;
        path /= p;
    }
    return path;
}

bool ReadChunkedIndexFile(const IndexReadRequest& request, CBlockFileList& out, UserMessages& messages)
{
    auto show = [&](const std::string& text, MessageIcon icon) {
        if (request.showMessages)
            messages.show(text, MessageButtons::Ok, icon);
    };
    IndexBytes file(request.indexPath);
    if (!file.open()) {
        show(std::string(KpString(IDS_UNABLE_TO_OPEN)), MessageIcon::Error);
        return false;
    }
    const std::vector<HeaderRecord> records = TocRecords(file, request.head);
    std::vector<const HeaderRecord*> toc;
    for (const HeaderRecord& r : records)
        toc.push_back(&r);

    CBlockFileList list;
    list.SetIndexFilePath(request.indexPath);
    const std::filesystem::path folder = request.indexPath.parent_path();
    for (const ChunkTocEntry& e : ReadChunkToc(toc)) {
        if (e.tag != chunk::kFileRefTag || !e.offset)
            continue;
        const auto name = ListedName(file, *e.offset);
        if (!name)
            continue;
        BlockFileEntry entry;
        entry.listedName = *name;
        entry.blockNumber = static_cast<std::uint32_t>(list.GetBlockFileCount());
        if (const auto path = ResolveChunkedListedName(folder, *name)) {
            entry.path = *path;
            std::error_code ec;
            entry.exists = std::filesystem::is_regular_file(entry.path, ec);
            entry.selectable = entry.exists;
            HeaderRecord block {};
            if (entry.exists && ReadFirstRecord(entry.path, block)) {
                entry.timeDiv = FieldText(block, 11);
                entry.trigDate = FieldText(block, 7);
                entry.trigTime = FieldText(block, 8);
            }
        }
        const int index = list.GetBlockFileCount();
        list.SetBlockFileCount(index + 1);
        list.SetBlockFileInfoByIndex(index, entry);
    }
    if (list.GetBlockFileCount() == 0) {
        show(KpFormat(IDS_NOT_WAVEFORM_FILE, request.indexPath.string()), MessageIcon::Warning);
        return false;
    }
    out = std::move(list);
    return true;
}

} // namespace kp
