#include "app/ConversionSwitches.h"

#include "app/CKpCommandLineInfo.h"

#include <cstdint>

namespace kp {

int ParseThinOut(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()
        && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\n' || text[pos] == '\r' || text[pos] == '\v'
            || text[pos] == '\f'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    // Saturate instead of overflowing: any value past the limit becomes 1 anyway.
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (value <= 10000)
            value = value * 10 + (text[pos] - '0');
    }
    if (negative)
        value = -value;
    return value < 1 || value > 10000 ? 1 : static_cast<int>(value);
}

ConversionSwitches ReadConversionSwitches(const CKpCommandLineInfo& commandLine, const std::string& saveFolder)
{
    ConversionSwitches s;
    auto has = [&](const char* name) { return commandLine.Lookup(name).has_value(); };

    s.source = commandLine.Lookup("CONV").value_or(std::string());
    s.folder = commandLine.Lookup("DEST").value_or(saveFolder);
    if (auto thinOut = commandLine.Lookup("THINOUT"))
        s.thinOut = ParseThinOut(*thinOut);

    if (has("CSV"))
        s.format = kFormatCsv;
    if (has("SPACE"))
        s.format = kFormatSpace;
    if (has("TAB"))
        s.format = kFormatTab;
    if (has("LF"))
        s.crlf = false;
    if (has("CRLF"))
        s.crlf = true;
    if (has("SEC"))
        s.notation = kNotationSeconds;
    if (has("DATE"))
        s.notation = kNotationDate;
    if (has("TIME"))
        s.notation = kNotationElapsed;
    if (has("POINT"))
        s.notation = kNotationPoint;
    if (has("NOSTOREHEAD"))
        s.header.storeInfo = false;
    if (has("NOCHINFO"))
        s.header.channelInfo = false;
    if (has("NOCHHEAD"))
        s.header.channelHeader = false;
    if (has("NOEVENT"))
        s.header.eventInfo = false;
    if (has("NOTIMEVALUE"))
        s.header.timeColumn = false;
    if (has("NOHEAD")) {
        s.header.storeInfo = false;
        s.header.channelInfo = false;
        s.header.channelHeader = false;
        s.header.eventInfo = false;
    }
    if (has("CHHEADNO"))
        s.headerType = kHeaderChannelNumbers;
    if (has("CHHEADCOMM"))
        s.headerType = kHeaderChannelComments;
    return s;
}

} // namespace kp
