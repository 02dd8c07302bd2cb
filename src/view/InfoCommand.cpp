#include "view/InfoCommand.h"

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
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        if (!token.starts_with("--"))
            return fail("--info does not take " + token);
        std::string name = token.substr(2);
        std::optional<std::string> value;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "json") {
            if (value)
                return fail("--json takes no value");
            r.json = true;
            continue;
        }
        if (name != "info" && name != "notation")
            return fail("--" + name + " does not go with --info");
        if (!value) {
            // An option is never taken for a value left out before it.
            if (i + 1 >= tokens.size() || tokens[i + 1].starts_with("--"))
                return fail("--" + name + " needs a value");
            value = tokens[++i];
        }
        if (name == "info") {
            r.file = *value;
            file = true;
        } else {
            const auto n = ParseTimeNotation(*value);
            if (!n)
                return fail("--notation takes div, sec, point, trig or date, not " + *value);
            r.notation = *n;
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
