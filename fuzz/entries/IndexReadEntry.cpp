// Index files: the input is a bundle, the opened file (normally an index)
// and the files beside it, which the index may list, miss, or not name at
// all; an index may list itself. CheckFile reads the index into the block
// list, and the file an open would load is chosen from it.
#include "FuzzEntries.h"

#include "FuzzBundle.h"
#include "FuzzChecks.h"
#include "FuzzFolder.h"
#include "platform/UserMessages.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CheckFile.h"

namespace kp::fuzz {

void RunIndexRead(const std::uint8_t* data, std::size_t size)
{
    const Bundle bundle = SplitBundle({ data, size });
    auto& folder = FuzzFolder::Instance();
    const auto path = folder.writeBundle(bundle);

    RecordingMessages messages;
    CBlockFileList list;
    const FileKind kind = CheckFile(path, { .showMessages = true, .allowRealtime = true }, list, messages);
    if (kind < kFileRecMemIndex || kind > kFileRmsMemIndex) {
        Require(list.GetBlockFileCount() == 0, "a file that is not an index lists nothing");
        return;
    }
    Require(messages.shown().empty(), "an index that was read shows no message");
    Require(list.GetBlockFileCount() >= 1, "an index that was read lists at least one file");

    for (int i = 0; i < list.GetBlockFileCount(); ++i) {
        const auto name = list.GetBlockFileNameByIndex(i);
        (void)list.GetBlockFileBlockNumByIndex(i);
        Require(list.GetBlockTimeDivByIndex(i).size() <= 12 && list.GetBlockTrigDateByIndex(i).size() <= 12
                && list.GetBlockTrigTimeByIndex(i).size() <= 12,
            "block texts are single fields");
        if (list.GetBlockFileExistsByIndex(i))
            Require(name.parent_path() == folder.path(), "a listed file that exists lies beside the index");
        else
            Require(!list.IsBlockSelectableByIndex(i), "a missing file is not selectable");
    }
    const auto chosen = ChooseFileToOpen(kind, list);
    if (!chosen.empty())
        Require(chosen.parent_path() == folder.path(), "the chosen file lies beside the index");
}

} // namespace kp::fuzz
