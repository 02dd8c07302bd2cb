#include "view/TraceJson.h"

#include "view/StatisticsReadout.h"
#include "view/TraceTabTexts.h"
#include "view/ViewRecord.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kp {

namespace {

class JsonObject {
public:
    JsonObject& Add(const std::string& key, const std::string& json)
    {
        text_ += (text_.empty() ? "{" : ",") + JsonString(key) + ":" + json;
        return *this;
    }
    std::string Close() const { return text_.empty() ? "{}" : text_ + "}"; }

private:
    std::string text_;
};

std::string Array(const std::vector<std::string>& items)
{
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "," : "") + items[i];
    return out + "]";
}

std::string Texts(const std::vector<std::string>& cells)
{
    std::vector<std::string> items;
    for (const std::string& c : cells)
        items.push_back(JsonString(c));
    return Array(items);
}

std::string Columns(const TextTable& table)
{
    std::vector<std::string> titles;
    for (const TextColumn& c : table.columns)
        titles.push_back(c.title);
    return Texts(titles);
}

std::string Count(std::int64_t n)
{
    return std::to_string(n);
}

std::string Position(std::int64_t point, const std::string& text)
{
    return JsonObject().Add("point", Count(point)).Add("text", JsonString(text)).Close();
}

std::string ValueList(int tab, const TextTable& table, const std::vector<TraceRowNumbers>& numbers)
{
    std::vector<std::string> rows;
    const bool bits = tab == static_cast<int>(TraceTab::Logic) || tab == static_cast<int>(TraceTab::Alarm);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const auto& cells = table.rows[i];
        const TraceRowNumbers n = i < numbers.size() ? numbers[i] : TraceRowNumbers {};
        JsonObject row;
        row.Add("channel", JsonString(cells.empty() ? std::string() : cells[0]));
        if (!bits)
            row.Add("unit", JsonString(n.unit));
        row.Add("a", JsonNumber(n.a)).Add("b", JsonNumber(n.b));
        if (!bits)
            row.Add("calculation", JsonNumber(n.calc));
        rows.push_back(row.Add("texts", Texts(cells)).Close());
    }
    return Array(rows);
}

void AddStatistics(StatisticsReadout& statistics, const TextTable& table, TraceCursors c, JsonObject& list)
{
    std::vector<std::string> rows, probes;
    std::size_t r = 0;
    for (const auto& ch : statistics.Channels()) {
        const Moments m = ch.moments.Query(ch.values, c.a, c.b);
        auto number = [&](double v) { return JsonNumber(m.count > 0 ? std::optional<double>(v) : std::nullopt); };
        rows.push_back(JsonObject()
                           .Add("channel", JsonString(ch.name))
                           .Add("unit", JsonString(ch.unit))
                           .Add("min", number(m.min))
                           .Add("max", number(m.max))
                           .Add("p-p", number(m.max - m.min))
                           .Add("mean", number(m.mean))
                           .Add("rms", number(m.Rms()))
                           .Add("sd", number(m.StandardDeviation()))
                           .Add("skipped", Count(m.skipped))
                           .Add("texts", Texts(r < table.rows.size() ? table.rows[r] : std::vector<std::string> {}))
                           .Close());
        ++r;
    }
    ++r; // the probes' title row
    for (const auto& p : statistics.Probes()) {
        const LogicCounts n = p.counts.Query(c.a, c.b);
        const std::optional<double> high = n.points > 0
            ? std::optional<double>(static_cast<double>(n.high) / static_cast<double>(n.points))
            : std::nullopt;
        probes.push_back(JsonObject()
                             .Add("channel", JsonString(p.name))
                             .Add("rising", Count(n.rising))
                             .Add("falling", Count(n.falling))
                             .Add("high", JsonNumber(high))
                             .Add("texts", Texts(r < table.rows.size() ? table.rows[r] : std::vector<std::string> {}))
                             .Close());
        ++r;
    }
    list.Add("rows", Array(rows));
    if (!probes.empty())
        list.Add("probes", Array(probes));
}

} // namespace

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char ch : text) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string JsonNumber(std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return "null";
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, *value);
    return ec == std::errc() ? std::string(buf, end) : "null";
}

std::string TraceCommandJson(
    const CKpDoc& doc, const ViewRecord& record, const TraceRequest& request, TraceCursors cursors)
{
    TraceNumbers numbers;
    const TraceTables tables = BuildTraceTables(doc, cursors.a, cursors.b, request.options, &numbers);
    const CursorEditTexts edits
        = CursorEditTextsAt(CursorTextContextOf(record, request.notation, false), cursors.a, cursors.b);
    const std::vector<int> tabs = request.tab ? std::vector<int> { *request.tab } : ShownTraceTabs(tables, true);
    std::vector<std::string> lists;
    for (int tab : tabs) {
        JsonObject list;
        list.Add("title", JsonString(TraceTabTitle(tab)));
        if (tab == kStatisticsTab) {
            StatisticsReadout statistics;
            const TextTable table = statistics.Build(doc, cursors.a, cursors.b, request.options.format);
            list.Add("summary", JsonString(StatisticsReadout::SummaryLine(record.sampleInterval, cursors.a, cursors.b)))
                .Add("columns", Columns(table));
            AddStatistics(statistics, table, cursors, list);
        } else {
            const auto t = static_cast<std::size_t>(tab);
            list.Add("columns", Columns(tables[t])).Add("rows", ValueList(tab, tables[t], numbers[t]));
        }
        lists.push_back(list.Close());
    }
    return JsonObject()
               .Add("file", JsonString(record.fileName))
               .Add("a", Position(cursors.a, edits.a))
               .Add("b", Position(cursors.b, edits.b))
               .Add("distance", JsonString(edits.distance))
               .Add("lists", Array(lists))
               .Close()
        + "\n";
}

} // namespace kp
