#include "view/InfoCommand.h"

#include "app/LongOptions.h"
#include "resources/StringTable.h"
#include "view/CommandRecording.h"
#include "view/InfoJson.h"
#include "view/PropertyTables.h"
#include "view/TraceCommand.h"
#include "view/TraceTabTexts.h"

#include <utility>

namespace kp {

namespace {

// Cells apart by tabs, one row a line: a control character that a damaged
// header holds in a text is printed as a blank so that it cannot split a row.
std::string TableText(const TextTable& table)
{
    auto line = [](const std::vector<std::string>& cells) {
        std::string out;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i)
                out += '\t';
            for (const char ch : cells[i])
                out += static_cast<unsigned char>(ch) < 0x20 ? ' ' : ch;
        }
        return out + "\n";
    };
    std::vector<std::string> titles;
    for (const TextColumn& c : table.columns)
        titles.push_back(c.title);
    std::string out = line(titles);
    for (const auto& row : table.rows)
        out += line(row);
    return out;
}

} // namespace

InfoArguments ParseInfoArguments(const std::vector<std::string>& tokens)
{
    InfoRequest r;
    bool file = false;
    auto fail = [](std::string why) { return InfoArguments { std::nullopt, "kp: " + why + " (see kp --help)" }; };
    const GivenLongOptions given = ReadLongOptions(tokens, "info");
    if (!given.error.empty())
        return fail(given.error);
    for (const GivenLongOption& option : given.options) {
        if (option.name == "json") {
            r.json = true;
        } else if (option.name == "info") {
            r.file = *option.value;
            file = true;
        } else if (option.name == "notation") {
            const auto n = ParseTimeNotation(*option.value);
            if (!n)
                return fail("--notation takes div, sec, point, trig or date, not " + *option.value);
            r.notation = *n;
        } else {
            return fail("--" + option.name + " does not go with --info");
        }
    }
    if (!file || r.file.empty())
        return fail("--info needs a recording");
    return { std::move(r), {} };
}

int RunInfoCommand(const std::vector<std::string>& tokens, std::string& out, std::string& err)
{
    const InfoArguments args = ParseInfoArguments(tokens);
    if (!args.request) {
        err = args.error + "\n";
        return 2;
    }
    const InfoRequest& r = *args.request;
    CommandRecording recording;
    if (std::string reason = recording.Open(r.file); !reason.empty()) {
        err = std::move(reason);
        return 1;
    }
    const CursorTextContext context = CursorTextContextOf(recording.Record(), r.notation, false);
    const PropertyTables tables = BuildPropertyTables(recording.Doc(), context);
    if (r.json) {
        out = InfoCommandJson(recording.Doc(), recording.Record(), tables, context);
        return 0;
    }
    out = KpFormat(7000, recording.Record().fileName) + "\n";
    for (int tab : ShownPropertyTabs(tables))
        out += "\n" + PropertyTabName(static_cast<PropertyTab>(tab)) + "\n"
            + TableText(tables[static_cast<std::size_t>(tab)]);
    return 0;
}

} // namespace kp
