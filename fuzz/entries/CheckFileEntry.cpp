// File recognition alone: the input is one file. The answer must not depend
// on whether messages are shown, and a refusal shows at most one message.
#include "FuzzEntries.h"

#include <string>

#include "FuzzChecks.h"
#include "FuzzFolder.h"
#include "platform/UserMessages.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CheckFile.h"

namespace kp::fuzz {

void RunCheckFile(const std::uint8_t* data, std::size_t size)
{
    auto& folder = FuzzFolder::Instance();
    folder.clear();
    const auto path = folder.write(kOpenedName, { data, size });

    for (const bool allowRealtime : { false, true }) {
        RecordingMessages shownMessages, silentMessages;
        CBlockFileList shownList, silentList;
        std::string model;
        const FileKind kind = CheckFile(path,
            { .showMessages = true, .allowRealtime = allowRealtime, .modelOut = &model }, shownList, shownMessages);
        const FileKind silentKind = CheckFile(path, { .allowRealtime = allowRealtime }, silentList, silentMessages);

        Require(kind >= kFileNotLoadable && kind <= kFileLoggerWaveform, "CheckFile answers a file kind");
        Require(kind == silentKind, "the kind does not depend on showing messages");
        Require(silentMessages.shown().empty(), "no message when messages are off");
        if (kind == kFileNotLoadable)
            Require(shownMessages.shown().size() <= 1, "a refusal shows at most one message");
        else
            Require(shownMessages.shown().empty(), "an accepted file shows no message");
        Require(model.size() <= 12, "a model text is one field");
        Require(shownList.GetBlockFileCount() == silentList.GetBlockFileCount(), "both reads list the same files");
    }
}

} // namespace kp::fuzz
