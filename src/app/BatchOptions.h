#pragma once
// The options of the batch conversion dialog as one plain record: read from
// the settings when the dialog opens, written back when it ends with Convert,
// and turned into the batch's request.

#include "app/BatchConversion.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kp {

struct KpSettings;

struct BatchOptions {
    int thinOut = 1;
    std::string outputFolder;
    int format = kFormatCsv; // 0-2: the maker's text layout is not offered
    int notation = kNotationSeconds;
    int newline = 0; // 0 LF, 1 CR LF
    bool storeInfo = true;
    bool channelInfo = true;
    bool channelHeader = true;
    int headerType = kHeaderChannelNumbers;
    bool openFolder = false;
    bool expanded = false;

    bool operator==(const BatchOptions&) const = default;
};

// A stored format the batch does not offer preselects CSV.
BatchOptions BatchOptionsFromSettings(const KpSettings& settings);
void StoreBatchOptions(const BatchOptions& options, KpSettings& settings);

// The conversion of the chosen files with the options as stored.
BatchRequest MakeBatchRequest(const KpSettings& settings, std::vector<std::filesystem::path> sources);

} // namespace kp
