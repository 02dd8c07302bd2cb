#include "view/TraceJson.h"

#include "view/JsonObject.h"
#include "view/StatisticsReadout.h"
#include "view/TraceTabTexts.h"
#include "view/ViewRecord.h"

namespace kp {

namespace {

std::string Position(std::int64_t point, const std::string& text)
{
    return JsonObject().Add("point", JsonInteger(point)).Add("text", JsonString(text)).Close();
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
        rows.push_back(row.Add("texts", JsonTexts(cells)).Close());
    }
    return JsonArray(rows);
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
                           .Add("skipped", JsonInteger(m.skipped))
                           .Add("texts", JsonTexts(r < table.rows.size() ? table.rows[r] : std::vector<std::string> {}))
                           .Close());
        ++r;
    }
    ++r; // the probes' title row
    for (const auto& p : statistics.Probes()) {
        const LogicCounts n = p.counts.Query(c.a, c.b);
        const std::optional<double> high = n.points > 0
            ? std::optional<double>(static_cast<double>(n.high) / static_cast<double>(n.points))
            : std::nullopt;
        probes.push_back(
            JsonObject()
                .Add("channel", JsonString(p.name))
                .Add("rising", JsonInteger(n.rising))
                .Add("falling", JsonInteger(n.falling))
                .Add("high", JsonNumber(high))
                .Add("texts", JsonTexts(r < table.rows.size() ? table.rows[r] : std::vector<std::string> {}))
                .Close());
        ++r;
    }
    list.Add("rows", JsonArray(rows));
    if (!probes.empty())
        list.Add("probes", JsonArray(probes));
}

} // namespace

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
                .Add("columns", JsonColumns(table));
            AddStatistics(statistics, table, cursors, list);
        } else {
            const auto t = static_cast<std::size_t>(tab);
            list.Add("columns", JsonColumns(tables[t])).Add("rows", ValueList(tab, tables[t], numbers[t]));
        }
        lists.push_back(list.Close());
    }
    return JsonObject()
               .Add("file", JsonString(record.fileName))
               .Add("a", Position(cursors.a, edits.a))
               .Add("b", Position(cursors.b, edits.b))
               .Add("distance", JsonString(edits.distance))
               .Add("lists", JsonArray(lists))
               .Close()
        + "\n";
}

} // namespace kp
