#include "app/BatchOptions.h"

#include "app/KpSettings.h"

namespace kp {

BatchOptions BatchOptionsFromSettings(const KpSettings& s)
{
    BatchOptions o;
    o.thinOut = s.thinOut;
    o.outputFolder = s.saveFolder;
    o.format = s.saveFormat >= kFormatCsv && s.saveFormat <= kFormatTab ? s.saveFormat : kFormatCsv;
    o.notation = s.saveTimeNotation;
    o.newline = s.saveNewLine == 1 ? 1 : 0;
    o.storeInfo = s.saveHeader;
    o.channelInfo = s.saveChInfo;
    o.channelHeader = s.saveChHeader;
    o.headerType = s.saveChHeaderType;
    o.openFolder = s.csvExecute;
    o.expanded = s.saveExtendSetting;
    return o;
}

void StoreBatchOptions(const BatchOptions& o, KpSettings& s)
{
    s.thinOut = o.thinOut;
    s.saveFolder = o.outputFolder;
    s.saveFormat = o.format;
    s.saveTimeNotation = o.notation;
    s.saveNewLine = o.newline;
    s.saveHeader = o.storeInfo;
    s.saveChInfo = o.channelInfo;
    s.saveChHeader = o.channelHeader;
    s.saveChHeaderType = o.headerType;
    s.csvExecute = o.openFolder;
    s.saveExtendSetting = o.expanded;
}

BatchRequest MakeBatchRequest(const KpSettings& s, std::vector<std::filesystem::path> sources)
{
    BatchRequest r;
    r.sources = std::move(sources);
    r.outputFolder = s.saveFolder;
    r.options.thinOut = s.thinOut;
    r.options.notation = s.saveTimeNotation;
    r.options.header = s.HeaderOptions();
    r.options.headerType = s.saveChHeaderType;
    r.options.format = s.saveFormat;
    r.options.crlf = s.saveNewLine == 1;
    return r;
}

} // namespace kp
