#include "wavefile/CheckFile.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "resources/StringTable.h"
#include "wavefile/FirstRecord.h"
#include "wavefile/HeaderRecord.h"
#include "wavefile/IndexFileReader.h"

namespace kp {
namespace {

using Names = std::initializer_list<std::string_view>;

bool OneOf(std::string_view text, Names names)
{
    return std::find(names.begin(), names.end(), text) != names.end();
}

class Refusal {
public:
    Refusal(bool show, UserMessages& messages)
        : show_(show)
        , messages_(messages)
    {
    }
    FileKind operator()(const std::string& text, MessageIcon icon = MessageIcon::Warning) const
    {
        if (show_)
            messages_.show(text, MessageButtons::Ok, icon);
        return kFileNotLoadable;
    }

private:
    bool show_;
    UserMessages& messages_;
};

// Models whose files are read in the chunked layout.
bool IsChunkedModel(std::string_view model)
{
    return OneOf(model, { "5595", "3945", "5595-50", "3945-50" });
}

// "3951" stands for "QX3951" when its sub-model says so.
bool IsQx3951(std::string_view model, std::string_view subModel)
{
    return model == "QX3951" || (model == "3951" && subModel == "QX3951");
}

// The models with the recorder-style function set (XYC allowed).
bool IsRecorderModel(std::string_view model, std::string_view subModel)
{
    return OneOf(model, { "5228", "QX5191", "QX5210" }) || IsQx3951(model, subModel);
}

FileKind CheckWaveform(const HeaderRecord& head, bool allowRealtime, std::string* modelOut, const Refusal& refuse)
{
    const std::string model = FieldText(head, 2);
    if (modelOut)
        *modelOut = model;
    const std::string subModel = (model == "5228" || model == "3951") ? FieldText(head, 15) : std::string {};

    const bool listed = OneOf(model,
                            { "4170", "5498", "3416", "3416-01", "5066", "4623", "5977", "3019", "4624", "5303",
                                "4170T", "5595", "3945", "5595-50", "3945-50", "4267", "5228", "QX5191", "QX5210",
                                "QX3951", "QX4767", "QX3013", "3013", "QX3122", "QX3122-01", "QX5191T", "3384" })
        || IsQx3951(model, subModel);
    if (!listed) {
        // The data loggers' files belong to the companion application.
        if (model.starts_with("77"))
            return kFileLoggerWaveform;
        return refuse(KpFormat(IDS_UNSUPPORTED_MODEL, model));
    }

    const std::string function = FieldText(head, 4);
    const bool functionOk = OneOf(function, { "MEM", "MEM_RMS", "POW", "REC" })
        || (function == "XYC" && IsRecorderModel(model, subModel))
        || (function == "MEM&FFT" && OneOf(model, { "3013", "QX3013" }))
        || OneOf(function, { "HISPEED", "REALTIME", "RMS_REC", "RMS" });
    if (!functionOk)
        return refuse(KpFormat(IDS_UNSUPPORTED_FUNCTION, function));

    if (FieldText(head, 41) == "REAL_MEM" && !allowRealtime)
        return refuse(std::string(KpString(IDS_REALTIME_MEMORY)));
    if (FieldInt(head, 6) <= 0)
        return refuse(std::string(KpString(IDS_DATA_LENGTH_ZERO)));
    if (IsChunkedModel(model) && FieldText(head, 9) == "55950001")
        return refuse(std::string(KpString(IDS_OLD_REVISION)));
    return kFileWaveform;
}

FileKind CheckOldHeader(const HeaderRecord& head, const Refusal& refuse)
{
    if (BytesText(head, 20, 4) != "WAVE")
        return refuse(KpFormat(IDS_UNSUPPORTED_MODEL, ""));
    if (!OneOf(BytesText(head, 17, 3), { "MEM", "REC", "RMS" }))
        return refuse(KpFormat(IDS_UNSUPPORTED_FUNCTION, ""));
    return kFileWaveform;
}

FileKind CheckIndex(const std::filesystem::path& path, const HeaderRecord& head, bool showMessages,
    CBlockFileList& blockFiles, UserMessages& messages, const Refusal& refuse)
{
    const std::string tag = FieldText(head, 0);
    const std::string model = FieldText(head, 2);
    const std::string function = FieldText(head, 4);
    const std::string subModel = (model == "5228" || model == "3951") ? FieldText(head, 15) : std::string {};
    auto unsupportedModel = [&] { return refuse(KpFormat(IDS_UNSUPPORTED_MODEL, model)); };
    auto unsupportedFunction = [&] { return refuse(KpFormat(IDS_UNSUPPORTED_FUNCTION, function)); };

    FileKind kind = kFileNotLoadable;
    if (tag == "HIRM" && FieldText(head, 41) == "REAL_IDX") {
        if (!OneOf(model, { "4170", "4170T", "5498" }))
            return unsupportedModel();
        if (function != "R_M")
            return unsupportedFunction();
        kind = kFileRealtimeIndex;
    } else if (tag == "HIRM") {
        if (!OneOf(model, { "4170", "4170T", "3416", "3416-01", "5498", "5595", "3945", "5595-50", "3945-50", "3384" }))
            return unsupportedModel();
        if (function != "R_M")
            return unsupportedFunction();
        kind = kFileRecMemIndex;
    } else if (OneOf(tag, { "HIS", "HI", "HIM" })) {
        const bool listed
            = OneOf(model,
                  { "4170", "5498", "3416", "3416-01", "5977", "4170T", "4623", "5066", "5595", "3945", "5595-50",
                      "3945-50", "5228", "QX5191", "QX5210", "QX3951", "QX3122", "QX3122-01", "QX5191T", "3384" })
            || IsQx3951(model, subModel);
        if (!listed)
            return unsupportedModel();
        // The chunked family's block indexes name no function of their own.
        if (!IsChunkedModel(model) && !OneOf(function, { "MEM", "REC" }))
            return unsupportedFunction();
        kind = kFileBlockIndex;
    } else if (OneOf(tag, { "HIRMM", "HIRMMS" })) {
        if (!OneOf(model, { "5066", "4623" }))
            return unsupportedModel();
        if (function != "RMS")
            return unsupportedFunction();
        kind = kFileRmsMemIndex;
    } else {
        return refuse(KpFormat(IDS_NOT_WAVEFORM_FILE, path.string()));
    }

    const IndexReadRequest request { path, head, showMessages };
    bool read = false;
    if (IsChunkedModel(model))
        read = ReadChunkedIndexFile(request, blockFiles, messages);
    else if (IsRecorderModel(model, subModel))
        read = ReadIndexFile2(request, blockFiles, messages);
    else if (OneOf(model, { "QX3122", "QX3122-01", "QX5191T" }))
        read = ReadIndexFile3(request, blockFiles, messages);
    else
        read = ReadIndexFile1(request, blockFiles, messages);
    return read ? kind : kFileNotLoadable;
}

} // namespace

FileKind CheckFile(const std::filesystem::path& path, const CheckFileOptions& options, CBlockFileList& blockFiles,
    UserMessages& messages)
{
    const Refusal refuse(options.showMessages, messages);
    HeaderRecord head {};
    if (!ReadFirstRecord(path, head))
        return refuse(std::string(KpString(IDS_UNABLE_TO_OPEN)), MessageIcon::Error);

    if (TagStartsWith(head, "HW"))
        return CheckWaveform(head, options.allowRealtime, options.modelOut, refuse);
    if (TagStartsWith(head, "VORAN4756"))
        return CheckOldHeader(head, refuse);
    if (TagStartsWith(head, "VORAN3629"))
        return refuse(KpFormat(IDS_UNSUPPORTED_MODEL, "3629"));
    if (TagStartsWith(head, "HI"))
        return CheckIndex(path, head, options.showMessages, blockFiles, messages, refuse);
    return refuse(KpFormat(IDS_NOT_WAVEFORM_FILE, path.string()));
}

std::filesystem::path ChooseFileToOpen(FileKind kind, const CBlockFileList& blockFiles)
{
    int chosen = -1;
    switch (kind) {
    case kFileRecMemIndex:
    case kFileRealtimeIndex:
        chosen = blockFiles.GetCurrentBlockIndex();
        break;
    case kFileBlockIndex:
        for (int i = 0; i < blockFiles.GetBlockFileCount(); ++i) {
            if (blockFiles.IsBlockSelectableByIndex(i) && blockFiles.GetBlockFileExistsByIndex(i)) {
                chosen = i;
                break;
            }
        }
        break;
    case kFileRmsMemIndex:
        chosen = 0;
        break;
    default:
        break;
    }
    if (chosen < 0 || chosen >= blockFiles.GetBlockFileCount() || !blockFiles.GetBlockFileExistsByIndex(chosen))
        return {};
    return blockFiles.GetBlockFileNameByIndex(chosen);
}

} // namespace kp
