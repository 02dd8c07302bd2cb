#include "view/TraceCommand.h"

#include "app/LongOptions.h"
#include "platform/DecimalParse.h"
#include "view/CommandRecording.h"
#include "view/StatisticsReadout.h"
#include "view/TraceJson.h"
#include "view/TraceTabTexts.h"
#include "view/ViewRecord.h"
#include "wavefile/CKpDoc.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

namespace kp {

namespace {

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return s;
}

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& names, const std::string& value)
{
    const std::string v = Lower(value);
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == v)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

constexpr std::array<std::string_view, 5> kNotations { "div", "sec", "point", "trig", "date" };
constexpr std::array<std::string_view, 3> kFormats { "aux", "dec", "exp" };
constexpr std::array<std::string_view, 6> kCalcs { "b-a", "a-b", "a+b", "axb", "a/b", "b/a" };
// By tab data; the statistics last.
constexpr std::array<std::string_view, kTraceTabs + 1> kTabs { "analog", "pulse", "logic", "alarm", "calc",
    "statistics" };

bool Takes(std::string_view name)
{
    for (std::string_view n : { "trace", "a", "b", "notation", "format", "calc", "tab" }) {
        if (n == name)
            return true;
    }
    return false;
}

std::string CrlfToLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

std::int64_t Clamp(double point, std::int64_t last)
{
    if (std::isnan(point) || point <= 0.0)
        return 0;
    if (point >= static_cast<double>(last))
        return last;
    return std::llround(point);
}

} // namespace

std::optional<int> ParseTimeNotation(const std::string& text)
{
    return IndexOf(kNotations, text);
}

std::optional<TracePosition> ParseTracePosition(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    std::int64_t point = 0;
    if (auto [end, ec] = std::from_chars(first, last, point); ec == std::errc() && end == last && first != last)
        return TracePosition { false, point, 0.0 };
    double value = 0.0;
    const auto [end, ec] = ParseDecimal(first, last, value);
    if (ec != std::errc() || first == last || !std::isfinite(value))
        return std::nullopt;
    static const std::array<std::pair<std::string_view, double>, 5> kUnits { { { "s", 1.0 }, { "ms", 1e-3 },
        { "us", 1e-6 }, { "\xC2\xB5s", 1e-6 }, { "ns", 1e-9 } } };
    for (const auto& [unit, factor] : kUnits) {
        if (std::string_view(end, static_cast<std::size_t>(last - end)) == unit)
            return TracePosition { true, 0, value * factor };
    }
    return std::nullopt;
}

TraceArguments ParseTraceArguments(const std::vector<std::string>& tokens)
{
    TraceRequest r;
    bool file = false, a = false, b = false;
    auto fail = [](std::string why) { return TraceArguments { std::nullopt, "kp: " + why + " (see kp --help)" }; };
    const GivenLongOptions given = ReadLongOptions(tokens, "trace");
    if (!given.error.empty())
        return fail(given.error);
    for (const GivenLongOption& option : given.options) {
        const std::string& name = option.name;
        if (!Takes(name)) {
            if (name == "lf")
                r.lf = true;
            else if (name == "json")
                r.json = true;
            else if (name == "unit")
                r.options.format.withUnit = true;
            else
                return fail("--" + name + " does not go with --trace");
            continue;
        }
        const std::string* value = &*option.value;
        if (name == "trace") {
            r.file = *value;
            file = true;
        } else if (name == "a" || name == "b") {
            const auto p = ParseTracePosition(*value);
            if (!p)
                return fail("--" + name + " takes a point or a time such as 1.5ms, not " + *value);
            (name == "a" ? r.a : r.b) = *p;
            (name == "a" ? a : b) = true;
        } else if (name == "notation") {
            const auto n = ParseTimeNotation(*value);
            if (!n)
                return fail("--notation takes div, sec, point, trig or date, not " + *value);
            r.notation = *n;
        } else if (name == "format") {
            const auto f = IndexOf(kFormats, *value);
            if (!f)
                return fail("--format takes aux, dec or exp, not " + *value);
            r.options.format.style = static_cast<TraceNumStyle>(*f);
        } else if (name == "calc") {
            const auto c = IndexOf(kCalcs, *value);
            if (!c)
                return fail("--calc takes B-A, A-B, A+B, AxB, A/B or B/A, not " + *value);
            r.options.calc = static_cast<TraceCalcType>(*c);
        } else {
            const auto t = IndexOf(kTabs, *value);
            if (!t)
                return fail("--tab takes analog, pulse, logic, alarm, calc or statistics, not " + *value);
            r.tab = *t;
        }
    }
    if (!file || r.file.empty())
        return fail("--trace needs a recording");
    if (!a || !b)
        return fail("--trace needs both cursors, --a and --b");
    return { std::move(r), {} };
}

TraceCursors PlaceTraceCursors(
    const TracePosition& a, const TracePosition& b, std::int64_t trigger, double interval, std::int64_t points)
{
    const std::int64_t last = std::max<std::int64_t>(points - 1, 0);
    auto place = [&](const TracePosition& p) {
        if (!p.isTime)
            return std::clamp<std::int64_t>(p.point, 0, last);
        return Clamp(static_cast<double>(trigger) + p.seconds / interval, last);
    };
    TraceCursors c { place(a), place(b) };
    if (c.a > c.b)
        std::swap(c.a, c.b);
    return c;
}

std::string TraceCommandText(
    const CKpDoc& doc, const ViewRecord& record, const TraceRequest& request, TraceCursors cursors)
{
    const TraceTables tables = BuildTraceTables(doc, cursors.a, cursors.b, request.options);
    const CursorEditTexts edits
        = CursorEditTextsAt(CursorTextContextOf(record, request.notation, false), cursors.a, cursors.b);
    std::vector<int> tabs = request.tab ? std::vector<int> { *request.tab } : ShownTraceTabs(tables, true);
    std::string out;
    for (int tab : tabs) {
        out += TraceTabTitle(tab) + "\r\n";
        if (tab == kStatisticsTab) {
            StatisticsReadout statistics;
            const TextTable table = statistics.Build(doc, cursors.a, cursors.b, request.options.format);
            out += TraceTabCopyText(
                tab, table, edits, StatisticsReadout::SummaryLine(record.sampleInterval, cursors.a, cursors.b));
        } else {
            out += TraceTabCopyText(tab, tables[static_cast<std::size_t>(tab)], edits, {});
        }
    }
    return out;
}

int RunTraceCommand(const std::vector<std::string>& tokens, std::string& out, std::string& err)
{
    const TraceArguments args = ParseTraceArguments(tokens);
    if (!args.request) {
        err = args.error + "\n";
        return 2;
    }
    const TraceRequest& r = *args.request;
    const std::string name = r.file.string();
    CommandRecording recording;
    if (std::string reason = recording.Open(r.file); !reason.empty()) {
        err = std::move(reason);
        return 1;
    }
    const CKpDoc& doc = recording.Doc();
    const ViewRecord* record = &recording.Record();
    const bool times = r.a.isTime || r.b.isTime;
    if (times && !(record->sampleInterval > 0.0)) {
        err = "kp: " + name + ": the recording has no sampling interval; give the cursors as points\n";
        return 1;
    }
    const std::int64_t trigger = record->hasTrigger && record->trigger >= 0 ? record->trigger : 0;
    // Positions past the points the file still holds, but within the points
    // its header names, would be measured on data that is not there.
    if (record->recordedPoints > record->points) {
        const TraceCursors wide = PlaceTraceCursors(r.a, r.b, trigger, record->sampleInterval, record->recordedPoints);
        if (wide.b >= record->points) {
            err = "kp: " + name + ": the recording was cut short after point " + std::to_string(record->points - 1)
                + "; the cursors reach point " + std::to_string(wide.b) + "\n";
            return 1;
        }
    }
    const TraceCursors cursors = PlaceTraceCursors(r.a, r.b, trigger, record->sampleInterval, record->points);
    if (r.json) {
        out = TraceCommandJson(doc, *record, r, cursors);
        return 0;
    }
    const std::string text = TraceCommandText(doc, *record, r, cursors);
    out = r.lf ? CrlfToLf(text) : text;
    return 0;
}

} // namespace kp
