#include "wavefile/BlockFileList.h"

#include <iostream>

namespace kp {

void CBlockFileList::Clear()
{
    indexFile_.clear();
    entries_.clear();
    current_ = 0;
}

void CBlockFileList::SetBlockFileCount(int count)
{
    entries_.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (current_ >= GetBlockFileCount())
        current_ = 0;
}

const BlockFileEntry* CBlockFileList::Entry(int index, const char* accessor) const
{
    if (index >= 0 && index < GetBlockFileCount())
        return &entries_[static_cast<std::size_t>(index)];
#ifndef NDEBUG
    std::clog << "CBlockFileList::" << accessor << ": index " << index << " outside 0.." << GetBlockFileCount() << '\n';
#else
    (void)accessor;
#endif
    return nullptr;
}

std::filesystem::path CBlockFileList::GetBlockFileNameByIndex(int index) const
{
    const BlockFileEntry* e = Entry(index, "GetBlockFileNameByIndex");
    return e ? e->path : std::filesystem::path {};
}

std::string CBlockFileList::GetBlockListedNameByIndex(int index) const
{
    const BlockFileEntry* e = Entry(index, "GetBlockListedNameByIndex");
    return e ? e->listedName : std::string {};
}

std::uint32_t CBlockFileList::GetBlockFileBlockNumByIndex(int index) const
{
    const BlockFileEntry* e = Entry(index, "GetBlockFileBlockNumByIndex");
    return e ? e->blockNumber : 0;
}

std::string CBlockFileList::GetBlockTimeDivByIndex(int index) const
{
    const BlockFileEntry* e = Entry(index, "GetBlockTimeDivByIndex");
    return e ? e->timeDiv : std::string {};
}

std::string CBlockFileList::GetBlockTrigDateByIndex(int index) const
{
    const BlockFileEntry* e = Entry(index, "GetBlockTrigDateByIndex");
    return e ? e->trigDate : std::string {};
}

std::string CBlockFileList::GetBlockTrigTimeByIndex(int index) const
{
    const BlockFileEntry* e = Entry(index, "GetBlockTrigTimeByIndex");
    return e ? e->trigTime : std::string {};
}

bool CBlockFileList::GetBlockFileExistsByIndex(int index) const
{
    const BlockFileEntry* e = Entry(index, "GetBlockFileExistsByIndex");
    return e && e->exists;
}

bool CBlockFileList::IsBlockSelectableByIndex(int index) const
{
    const BlockFileEntry* e = Entry(index, "IsBlockSelectableByIndex");
    return e && e->selectable;
}

bool CBlockFileList::SetBlockFileInfoByIndex(int index, const BlockFileEntry& entry)
{
    if (!Entry(index, "SetBlockFileInfoByIndex"))
        return false;
    entries_[static_cast<std::size_t>(index)] = entry;
    return true;
}

bool CBlockFileList::SetBlockSelectableByIndex(int index, bool selectable)
{
    if (!Entry(index, "SetBlockSelectableByIndex"))
        return false;
    entries_[static_cast<std::size_t>(index)].selectable = selectable;
    return true;
}

bool CBlockFileList::SetCurrentBlockIndex(int index)
{
    if (!Entry(index, "SetCurrentBlockIndex"))
        return false;
    current_ = index;
    return true;
}

} // namespace kp
