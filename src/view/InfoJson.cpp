#include "view/InfoJson.h"

#include "interpret/EventMarks.h"
#include "resources/StringTable.h"
#include "view/JsonObject.h"
#include "view/PropertyRows.h"
#include "view/ViewRecord.h"
#include "wavefile/CKpDoc.h"

#include <optional>

namespace kp {

namespace {

const TextTable& Tab(const PropertyTables& tables, PropertyTab tab)
{
    return tables[static_cast<std::size_t>(tab)];
}

// The cell of the item labelled by string `label` in column `column`; "" when
// the list has no such item.
std::string Cell(const TextTable& table, int label, std::size_t column)
{
    const std::string_view text = KpString(label);
    for (const auto& row : table.rows) {
        if (!row.empty() && row[0] == text)
            return column < row.size() ? row[column] : std::string();
    }
    return {};
}

bool HasItem(const TextTable& table, int label)
{
    const std::string_view text = KpString(label);
    for (const auto& row : table.rows) {
        if (!row.empty() && row[0] == text)
            return true;
    }
    return false;
}

std::string Column(const TextTable& table, std::size_t column)
{
    std::vector<std::string> cells;
    for (const auto& row : table.rows)
        cells.push_back(column < row.size() ? row[column] : std::string());
    return JsonTexts(cells);
}

std::string Title(const TextTable& table, std::size_t column)
{
    return JsonString(column < table.columns.size() ? table.columns[column].title : std::string());
}

void AddAnalog(const CKpDoc& doc, const TextTable& t, std::vector<std::string>& channels)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const bool probe = HasItem(t, 7121);
    std::size_t column = 1;
    for (int ch : RecordedAnalogChannels(doc)) {
        const int bits = head.GetSampleBits(ch); // 0: the header names none
        JsonObject o;
        o.Add("kind", JsonString("analog"))
            .Add("name", Title(t, column))
            .Add("mode", JsonString(Cell(t, 7102, column)))
            .Add("range", JsonString(Cell(t, 7103, column)))
            .Add("unit", JsonString(Cell(t, 7112, column)))
            .Add("comment", JsonString(Cell(t, 7110, column)))
            .Add("bits", bits > 0 ? JsonInteger(bits) : "null")
            .Add("valuePerCode", JsonNumber(head.GetValuePerCode(ch)))
            .Add("offset", JsonNumber(head.GetOffsetValue(ch)))
            .Add("scaling", JsonBool(head.IsScalingOn(ch)))
            .Add("scalingRatio", JsonNumber(head.GetScalingRatio(ch)))
            .Add("scalingOffset", JsonNumber(head.GetScalingOffset(ch)))
            .Add("vernier", JsonNumber(head.GetVernier(ch)));
        if (probe)
            o.Add("probe", JsonNumber(head.GetProbeRatio(ch)));
        channels.push_back(o.Add("texts", Column(t, column)).Close());
        ++column;
    }
}

void AddPulse(const CKpDoc& doc, const TextTable& t, std::vector<std::string>& channels)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    std::size_t column = 1;
    for (int p : RecordedPulseChannels(doc)) {
        channels.push_back(JsonObject()
                               .Add("kind", JsonString("pulse"))
                               .Add("name", Title(t, column))
                               .Add("range", JsonString(Cell(t, 7171, column)))
                               .Add("unit", JsonString(Cell(t, 7179, column)))
                               .Add("comment", JsonString(Cell(t, 7177, column)))
                               .Add("valuePerCount", JsonNumber(head.GetPulseValuePerCount(p)))
                               .Add("offset", JsonNumber(head.GetPulseOffset(p)))
                               .Add("scaling", JsonBool(head.IsPulseScalingOn(p)))
                               .Add("scalingRatio", JsonNumber(head.GetPulseScalingRatio(p)))
                               .Add("scalingOffset", JsonNumber(head.GetPulseScalingOffset(p)))
                               .Add("texts", Column(t, column))
                               .Close());
        ++column;
    }
}

void AddWaveCalc(const CKpDoc& doc, const TextTable& t, std::vector<std::string>& channels)
{
    std::size_t row = 0;
    for (int z : RecordedWaveCalcChannels(doc)) {
        const std::vector<std::string> cells = row < t.rows.size() ? t.rows[row] : std::vector<std::string>(4);
        channels.push_back(JsonObject()
                               .Add("kind", JsonString("calc"))
                               .Add("name", JsonString(doc.GetHeadInfo().GetFloatChannelName(z)))
                               .Add("number", JsonInteger(z + 1))
                               .Add("formula", JsonString(cells.at(1)))
                               .Add("comment", JsonString(cells.at(2)))
                               .Add("unit", JsonString(cells.at(3)))
                               .Add("texts", JsonTexts(cells))
                               .Close());
        ++row;
    }
}

std::string LogicUnits(const TextTable& t)
{
    std::vector<std::string> units;
    for (std::size_t column = 1; column < t.columns.size(); ++column)
        units.push_back(JsonObject().Add("name", Title(t, column)).Add("texts", Column(t, column)).Close());
    return JsonArray(units);
}

std::string Events(const CKpDoc& doc, const TextTable& t, const CursorTextContext& c)
{
    const EventMarkList marks = ReadEventMarks(doc.GetHeadInfo());
    std::vector<std::string> events;
    for (int i = 0; i < marks.Count(); ++i) {
        const std::int64_t p = marks.At(i);
        const auto k = static_cast<std::size_t>(i);
        const std::vector<std::string> cells = k < t.rows.size() ? t.rows[k] : std::vector<std::string>(3);
        // A mark without a position has no time.
        const std::optional<double> seconds = p >= 0 && c.sampleInterval > 0
            ? std::optional<double>(static_cast<double>(p - c.trigger) * c.sampleInterval)
            : std::nullopt;
        events.push_back(JsonObject()
                             .Add("number", JsonInteger(i + 1))
                             .Add("point", JsonInteger(p))
                             .Add("seconds", JsonNumber(seconds))
                             .Add("time", JsonString(cells.at(1)))
                             .Add("comment", JsonString(cells.at(2)))
                             .Close());
    }
    return JsonArray(events);
}

} // namespace

std::string InfoCommandJson(
    const CKpDoc& doc, const ViewRecord& record, const PropertyTables& tables, const CursorTextContext& context)
{
    std::vector<std::string> lists;
    for (int tab : ShownPropertyTabs(tables)) {
        const TextTable& t = tables[static_cast<std::size_t>(tab)];
        lists.push_back(JsonObject()
                            .Add("title", JsonString(PropertyTabName(static_cast<PropertyTab>(tab))))
                            .Add("columns", JsonColumns(t))
                            .Add("rows", JsonRows(t))
                            .Close());
    }
    std::vector<std::string> channels;
    AddAnalog(doc, Tab(tables, PropertyTab::Analog), channels);
    AddPulse(doc, Tab(tables, PropertyTab::Pulse), channels);
    AddWaveCalc(doc, Tab(tables, PropertyTab::WaveCalc), channels);
    const bool trigger = record.hasTrigger && record.trigger >= 0;
    return JsonObject()
               .Add("file", JsonString(record.fileName))
               .Add("title", JsonString(KpFormat(7000, record.fileName)))
               .Add("family", JsonInteger(FamilyNumber(doc.GetHeadInfo().GetHeaderFamily())))
               .Add("points", JsonInteger(record.points))
               .Add("recordedPoints", JsonInteger(record.recordedPoints))
               .Add("trigger", trigger ? JsonInteger(record.trigger) : "null")
               .Add("interval",
                   JsonNumber(record.sampleInterval > 0 ? std::optional(record.sampleInterval) : std::nullopt))
               .Add("timePerDiv", JsonNumber(doc.GetHeadInfo().GetTimePerDiv()))
               .Add("lists", JsonArray(lists))
               .Add("channels", JsonArray(channels))
               .Add("logicUnits", LogicUnits(Tab(tables, PropertyTab::Logic)))
               .Add("events", Events(doc, Tab(tables, PropertyTab::EventMark), context))
               .Close()
        + "\n";
}

} // namespace kp
