// The whole open of a recording as the application runs it: CheckFile, index
// resolution, header, allocation and samples, through CKpDoc::OnOpenDocument.
// Short files are kept (OK to the short-file question) so partial loads run;
// the input's last byte sometimes presses Cancel during the load or refuses
// the short file instead.
#include "FuzzEntries.h"

#include <filesystem>
#include <system_error>

#include "FuzzBundle.h"
#include "FuzzChecks.h"
#include "FuzzFolder.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/TableAllocation.h"

namespace kp::fuzz {

namespace {

// Records like RecordingMessages and answers OK, except that it can refuse
// the short-file question.
class AnsweringMessages final : public UserMessages {
public:
    explicit AnsweringMessages(bool refuseShortFile)
        : refuseShortFile_(refuseShortFile)
    {
    }
    MessageAnswer show(const std::string& text, MessageButtons buttons, MessageIcon icon) override
    {
        recorded_.show(text, buttons, icon);
        const bool shortFileQuestion = buttons == MessageButtons::OkCancel && text != KpString(IDS_CANCEL_QUESTION);
        return shortFileQuestion && refuseShortFile_ ? MessageAnswer::Cancel : MessageAnswer::Ok;
    }
    const RecordingMessages& recorded() const { return recorded_; }

private:
    RecordingMessages recorded_;
    bool refuseShortFile_;
};

} // namespace

void RunDocumentOpen(const std::uint8_t* data, std::size_t size)
{
    const Bundle bundle = SplitBundle({ data, size });
    const auto path = FuzzFolder::Instance().writeBundle(bundle);

    // Last byte 0xC0-0xCF: Cancel at step 1-16, confirmed; 0xD0-0xDF: Cancel
    // to the short-file question.
    const std::uint8_t last = size > 0 ? data[size - 1] : 0;
    const std::int64_t cancelAt = (last & 0xF0) == 0xC0 ? (last & 0x0F) + 1 : -1;
    AnsweringMessages messages((last & 0xF0) == 0xD0);
    ScriptedProgress progress(&messages, cancelAt);
    CBlockFileList blockFiles;
    CKpDoc doc(messages, progress, blockFiles);

    const bool opened = doc.OnOpenDocument(path);

    const auto& shown = messages.recorded().shown();
    for (const auto& m : shown)
        Require(!m.text.empty(), "every message says something");
    Require(shown.size() <= 3, "an open shows at most a few messages");
    Require(!progress.began() || progress.ended(), "the progress window closes after the load");
    if (!opened) {
        Require(!doc.IsLoaded(), "a failed open leaves no document loaded");
        Require(TablesEmpty(doc.GetTables()), "a failed open leaves the tables empty");
        return;
    }
    Require(doc.IsLoaded(), "a successful open marks the document loaded");
    const auto& tables = doc.GetTables();
    for (const auto& slot : tables.analog)
        Require(slot.secondary.empty() || slot.secondary.size() == slot.primary.size(), "pair arrays match");
    for (const auto& group : tables.logicGroups.groups)
        Require(group.primary.size() <= static_cast<std::uint64_t>(doc.GetDataLength()),
            "a logic group holds at most the data length");

    std::error_code ec;
    const std::uint64_t fileBytes = std::filesystem::file_size(doc.GetPathName(), ec);
    Require(!ec, "the loaded file is the one the document names");
    const std::uint64_t held = HeldTableBytes(tables);
    Require(held <= AllocationLimit(fileBytes), "the tables stay within what the file can fill");
    NoteTableAllocation(held, fileBytes);
}

} // namespace kp::fuzz
