// `kp --info` through the built executable: in every family its text and its
// JSON carry the properties window's lists, and the JSON's numbers agree with
// the texts beside them and with what the recording writer wrote.
#include "FrameFixtures.h"
#include "synth/DemoRecordings.h"
#include "view/OpenedRecording.h"
#include "view/PropertyTables.h"
#include "view/TraceTabTexts.h"
#include "view/ViewRecordBuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace kp {
namespace {

struct Printed {
    int exitCode = -1;
    std::string out, err;
};

Printed RunKp(const QStringList& arguments)
{
    QProcess kp;
    kp.start(KP_EXECUTABLE, arguments);
    Printed p;
    if (!kp.waitForFinished(30000))
        return p;
    p.exitCode = kp.exitCode();
    p.out = kp.readAllStandardOutput().toStdString();
    p.err = kp.readAllStandardError().toStdString();
    return p;
}

std::vector<std::string> Split(const std::string& text, char at)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t to; (to = text.find(at, from)) != std::string::npos; from = to + 1)
        parts.push_back(text.substr(from, to - from));
    parts.push_back(text.substr(from));
    return parts;
}

std::vector<std::string> Strings(const QJsonValue& v)
{
    std::vector<std::string> out;
    for (const QJsonValue& s : v.toArray())
        out.push_back(s.toString().toStdString());
    return out;
}

std::vector<std::string> Titles(const TextTable& t)
{
    std::vector<std::string> titles;
    for (const TextColumn& c : t.columns)
        titles.push_back(c.title);
    return titles;
}

class InfoCommandOfFamily : public ::testing::TestWithParam<int> { };

TEST_P(InfoCommandOfFamily, PrintsThePropertiesListsAsTextAndJson)
{
    const int family = GetParam();
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily { family }, "MEM", 120, 7);
    if (family == 0)
        r.model = "4170"; // the family's detection refuses the sample's own model text
    if (family != 4 && family != 9)
        r.events = { 3, 60, 119 };
    // The time per division (family 3: the interval); family 4 keeps it in
    // places of its own, family 5 in its chunks.
    if (family != 4 && family != 5)
        r.mainFields[11] = family == 3 ? "1ms" : "10ms/DIV";
    test::OpenedRecording o(r, "I.MEM");
    const auto record = BuildViewRecord(o.doc);
    ASSERT_TRUE(record);
    const PropertyTables tables = BuildPropertyTables(o.doc, CursorTextContextOf(*record, 1, false));
    const std::vector<int> shown = ShownPropertyTabs(tables);
    const QString path = test::Q(o.dir / "I.MEM");

    // Text: the window's title, then per list a blank line, its tab's title,
    // the column titles and the rows, cells apart by tabs.
    const Printed text = RunKp({ "--info", path, "--notation", "sec" });
    ASSERT_EQ(text.exitCode, 0) << text.err;
    ASSERT_TRUE(text.out.ends_with("\n"));
    const std::vector<std::string> blocks = Split(text.out.substr(0, text.out.size() - 1), '\n');
    std::size_t line = 0;
    EXPECT_EQ(blocks.at(line++), "Properties - I.MEM");
    for (int tab : shown) {
        const TextTable& t = tables[static_cast<std::size_t>(tab)];
        ASSERT_LE(line + 3 + t.rows.size(), blocks.size()) << "family " << family;
        EXPECT_EQ(blocks[line++], "");
        EXPECT_EQ(blocks[line++], PropertyTabName(static_cast<PropertyTab>(tab)));
        EXPECT_EQ(Split(blocks[line++], '\t'), Titles(t));
        for (const auto& row : t.rows)
            EXPECT_EQ(Split(blocks[line++], '\t'), row);
    }
    EXPECT_EQ(line, blocks.size());

    const Printed json = RunKp({ "--info", path, "--json", "--notation=sec" });
    ASSERT_EQ(json.exitCode, 0) << json.err;
    QJsonParseError error;
    const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(doc["title"].toString().toStdString(), "Properties - I.MEM");
    EXPECT_EQ(doc["family"].toInt(), family);
    EXPECT_EQ(doc["points"].toInt(), 120);
    EXPECT_EQ(doc["interval"].isDouble(), family != 4);

    const QJsonArray lists = doc["lists"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(lists.size()), shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const TextTable& t = tables[static_cast<std::size_t>(shown[i])];
        const QJsonObject list = lists[static_cast<int>(i)].toObject();
        EXPECT_EQ(list["title"].toString().toStdString(), PropertyTabName(static_cast<PropertyTab>(shown[i])));
        EXPECT_EQ(Strings(list["columns"]), Titles(t));
        const QJsonArray rows = list["rows"].toArray();
        ASSERT_EQ(static_cast<std::size_t>(rows.size()), t.rows.size());
        for (std::size_t k = 0; k < t.rows.size(); ++k)
            EXPECT_EQ(Strings(rows[static_cast<int>(k)]), t.rows[k]);
    }

    // One entry per channel column, with the column's texts.
    std::map<std::string, std::size_t> columns;
    for (const QJsonValue& v : doc["channels"].toArray()) {
        const QJsonObject ch = v.toObject();
        const std::string kind = ch["kind"].toString().toStdString();
        const TextTable& t = tables[static_cast<std::size_t>(kind == "analog" ? PropertyTab::Analog
                : kind == "pulse"                                             ? PropertyTab::Pulse
                                                                              : PropertyTab::WaveCalc)];
        const std::size_t k = ++columns[kind];
        if (kind == "calc") {
            EXPECT_EQ(Strings(ch["texts"]), t.rows.at(k - 1));
            continue;
        }
        EXPECT_EQ(ch["name"].toString().toStdString(), t.columns.at(k).title);
        EXPECT_TRUE(ch["scalingRatio"].isDouble() && ch["offset"].isDouble()) << kind;
        for (std::size_t row = 0; row < t.rows.size(); ++row) {
            const std::string cell = t.rows[row].at(k);
            EXPECT_EQ(ch["texts"].toArray()[static_cast<int>(row)].toString().toStdString(), cell);
            // The named texts are the cells of their items.
            for (const auto& [key, item] :
                { std::pair { "range", "Range" }, { "unit", " eu" }, { "comment", "Comment" } }) {
                if (t.rows[row][0] == item) {
                    EXPECT_EQ(ch[key].toString().toStdString(), cell) << kind << " " << key;
                }
            }
        }
    }
    EXPECT_EQ(columns["analog"] + 1, tables[static_cast<std::size_t>(PropertyTab::Analog)].columns.size());

    // Each mark at the point written, its seconds those its text shows.
    const QJsonArray events = doc["events"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(events.size()), r.events.size());
    for (std::size_t i = 0; i < r.events.size(); ++i) {
        const QJsonObject e = events[static_cast<int>(i)].toObject();
        EXPECT_EQ(e["point"].toInteger(), r.events[i]);
        const std::string time = e["time"].toString().toStdString();
        EXPECT_NEAR(e["seconds"].toDouble(), std::strtod(time.c_str(), nullptr), 1e-6) << time;
    }
}

INSTANTIATE_TEST_SUITE_P(Families, InfoCommandOfFamily, ::testing::Range(0, 10),
    [](const auto& info) { return "Family" + std::to_string(info.param); });

} // namespace
} // namespace kp
