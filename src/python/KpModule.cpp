// The `kp` Python module: a thin layer over the script producers of the core
// (view/ScriptRecording, view/ScriptHeader, app/ScriptConversion). It checks
// arguments, shapes numpy arrays and lets go of the interpreter while the
// core loads or fills.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include "app/ScriptConversion.h"
#include "view/ScriptHeader.h"
#include "view/ScriptRecording.h"

#include <cerrno>
#include <stdexcept>
#include <string>

namespace py = pybind11;

namespace kp {
namespace {

// Raised with the program's own message when a recording is refused.
class RecordingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Block {
    std::uint32_t number = 0;
    std::string name;
    std::filesystem::path path;
    bool exists = false;
};

std::unique_ptr<ScriptRecording> OpenRecording(const std::filesystem::path& path)
{
    ScriptRecording::OpenResult result;
    {
        py::gil_scoped_release unlocked;
        result = ScriptRecording::Open(path);
    }
    if (result.recording)
        return std::move(result.recording);
    if (result.missing) {
        PyErr_SetObject(PyExc_FileNotFoundError, py::make_tuple(ENOENT, result.error, py::str(path.string())).ptr());
        throw py::error_already_set();
    }
    throw RecordingError(result.error);
}

int ChannelIndex(const ScriptRecording& r, const py::object& channel)
{
    const int count = static_cast<int>(r.Channels().size());
    if (py::isinstance<py::str>(channel)) {
        const std::string name = channel.cast<std::string>();
        const int index = r.FindChannel(name);
        if (index < 0) {
            std::string names;
            for (const ScriptChannel& c : r.Channels())
                names += (names.empty() ? "" : ", ") + c.name;
            throw py::value_error("no channel named \"" + name + "\"; the recording holds " + names);
        }
        return index;
    }
    if (!py::isinstance<py::int_>(channel))
        throw py::type_error("a channel is given by its name or its index");
    const long long index = channel.cast<long long>();
    if (index < 0 || index >= count)
        throw py::index_error("channel index " + std::to_string(index) + " outside 0.." + std::to_string(count - 1));
    return static_cast<int>(index);
}

// start, stop, step of a call over n points, as points to read.
ScriptRange RangeOf(std::int64_t n, std::int64_t start, const std::optional<std::int64_t>& stop, std::int64_t step)
{
    if (step < 1)
        throw py::value_error("step must be 1 or more, not " + std::to_string(step));
    const std::int64_t end = stop.value_or(n);
    if (start < 0 || start > n)
        throw py::index_error(
            "start " + std::to_string(start) + " outside the record's points 0.." + std::to_string(n));
    if (end < start || end > n)
        throw py::index_error(
            "stop " + std::to_string(end) + " outside " + std::to_string(start) + ".." + std::to_string(n));
    return { start, step, (end - start + step - 1) / step };
}

void CheckHalf(const ScriptChannel& ch, bool secondary)
{
    if (secondary && !ch.pair)
        throw py::value_error("channel \"" + ch.name + "\" holds one value per point; it has no secondary half");
}

using namespace py::literals;

py::array Codes(const py::object& self, const py::object& channel, bool secondary)
{
    const auto& r = self.cast<const ScriptRecording&>();
    const int index = ChannelIndex(r, channel);
    CheckHalf(r.Channels()[static_cast<std::size_t>(index)], secondary);
    const ScriptCodes codes = r.Codes(index, secondary);
    py::dtype type;
    switch (codes.type) {
    case ScriptCodes::Type::Int16:
        type = py::dtype::of<std::int16_t>();
        break;
    case ScriptCodes::Type::UInt16:
        type = py::dtype::of<std::uint16_t>();
        break;
    case ScriptCodes::Type::UInt32:
        type = py::dtype::of<std::uint32_t>();
        break;
    case ScriptCodes::Type::Float32:
        type = py::dtype::of<float>();
        break;
    }
    // The recording object is the array's base: the tables live as long as any view on them.
    py::array view(type, { static_cast<py::ssize_t>(codes.size) }, codes.data, self);
    view.attr("setflags")("write"_a = false);
    return view;
}

// The caller's array when one is given (written in place, nothing allocated),
// else a new one.
py::array_t<double> ResultArray(const py::object& out, std::int64_t count)
{
    using Contiguous = py::array_t<double, py::array::c_style>;
    if (out.is_none())
        return py::array_t<double>(static_cast<py::ssize_t>(count));
    if (!py::isinstance<Contiguous>(out))
        throw py::type_error("out must be a contiguous float64 numpy array");
    auto result = out.cast<Contiguous>();
    if (!result.writeable())
        throw py::value_error("out is read-only");
    if (result.ndim() != 1 || result.size() != count)
        throw py::value_error("out must hold " + std::to_string(count) + " values, the points of the range");
    return result;
}

py::array_t<double> Values(const ScriptRecording& r, const py::object& channel, std::int64_t start,
    std::optional<std::int64_t> stop, std::int64_t step, bool secondary, const py::object& out)
{
    const int index = ChannelIndex(r, channel);
    const ScriptChannel& ch = r.Channels()[static_cast<std::size_t>(index)];
    if (ch.kind == ScriptChannelKind::Logic)
        throw py::value_error("\"" + ch.name + "\" is a logic unit: read its probes with logic()");
    CheckHalf(ch, secondary);
    const ScriptRange range = RangeOf(r.Codes(index, secondary).size, start, stop, step);
    py::array_t<double> result = ResultArray(out, range.count);
    double* data = result.mutable_data();
    py::gil_scoped_release unlocked;
    r.Values(index, secondary, range, data);
    return result;
}

py::array_t<double> Times(
    const ScriptRecording& r, std::int64_t start, std::optional<std::int64_t> stop, std::int64_t step)
{
    const ScriptRange range = RangeOf(r.Points(), start, stop, step);
    py::array_t<double> out(static_cast<py::ssize_t>(range.count));
    double* data = out.mutable_data();
    py::gil_scoped_release unlocked;
    r.Times(range, data);
    return out;
}

// A unit and a 1-based probe, or a probe's own name alone ("LA1").
std::pair<int, int> ProbeOf(const ScriptRecording& r, const py::object& channel, const std::optional<int>& probe)
{
    if (!probe && py::isinstance<py::str>(channel)) {
        const std::string name = channel.cast<std::string>();
        const auto& channels = r.Channels();
        for (std::size_t i = 0; i < channels.size(); ++i)
            for (std::size_t p = 0; p < channels[i].probes.size(); ++p)
                if (channels[i].probes[p] == name)
                    return { static_cast<int>(i), static_cast<int>(p) + 1 };
    }
    const int index = ChannelIndex(r, channel);
    const ScriptChannel& ch = r.Channels()[static_cast<std::size_t>(index)];
    if (ch.kind != ScriptChannelKind::Logic)
        throw py::value_error("\"" + ch.name + "\" is not a logic unit");
    const int probes = static_cast<int>(ch.probes.size());
    if (!probe)
        throw py::value_error("name the probe of \"" + ch.name + "\" (1.." + std::to_string(probes) + ")");
    if (*probe < 1 || *probe > probes)
        throw py::index_error("probe " + std::to_string(*probe) + " outside 1.." + std::to_string(probes));
    return { index, *probe };
}

py::array_t<bool> Logic(const ScriptRecording& r, const py::object& channel, std::optional<int> probe,
    std::int64_t start, std::optional<std::int64_t> stop, std::int64_t step, bool secondary)
{
    const auto [index, p] = ProbeOf(r, channel, probe);
    CheckHalf(r.Channels()[static_cast<std::size_t>(index)], secondary);
    const ScriptRange range = RangeOf(r.Codes(index, secondary).size, start, stop, step);
    py::array_t<bool> out(static_cast<py::ssize_t>(range.count));
    bool* data = out.mutable_data();
    py::gil_scoped_release unlocked;
    r.Logic(index, p, secondary, range, data);
    return out;
}

py::dict Header(const ScriptRecording& r)
{
    py::dict header;
    for (const ScriptHeaderFact& fact : ScriptHeaderFacts(r))
        header[py::str(fact.key)] = std::visit([](const auto& v) { return py::cast(v); }, fact.value);
    py::dict properties;
    for (const ScriptPropertyList& list : ScriptPropertyLists(r)) {
        py::list rows;
        for (const auto& row : list.table.rows) {
            py::dict cells;
            for (std::size_t c = 0; c < row.size() && c < list.table.columns.size(); ++c)
                cells[py::str(list.table.columns[c].title)] = row[c];
            rows.append(cells);
        }
        properties[py::str(list.tab)] = rows;
    }
    header["properties"] = properties;
    return header;
}

std::vector<Block> Blocks(const ScriptRecording& r)
{
    std::vector<Block> blocks;
    const CBlockFileList& list = r.Blocks();
    for (int i = 0; i < list.GetBlockFileCount(); ++i)
        blocks.push_back({ list.GetBlockFileBlockNumByIndex(i), list.GetBlockListedNameByIndex(i),
            list.GetBlockFileNameByIndex(i), list.GetBlockFileExistsByIndex(i) });
    return blocks;
}

std::string Convert(const std::filesystem::path& source, const std::filesystem::path& folder, const std::string& format,
    int thinout, const std::string& time, const std::string& newline, bool header, bool storeInfo, bool channelInfo,
    bool channelHeader, bool events, bool timeColumn, const std::string& channelNames)
{
    const ScriptConversionOptions options { source, folder, format, thinout, time, newline, header, storeInfo,
        channelInfo, channelHeader, events, timeColumn, channelNames };
    const ScriptConversionTokens tokens = ConversionTokensOf(options);
    if (tokens.tokens.empty())
        throw py::value_error(tokens.error);
    ScriptConversionResult result;
    {
        py::gil_scoped_release unlocked;
        result = RunScriptConversion(options);
    }
    if (result.usageError)
        throw py::value_error(result.reason);
    if (!result.converted)
        throw RecordingError(result.reason);
    return result.output.string();
}

} // namespace
} // namespace kp

PYBIND11_MODULE(kp, m)
{
    using namespace kp;
    using namespace py::literals;
    m.doc() = "Waveform recordings as numpy arrays.";
    py::register_exception<RecordingError>(m, "Error", PyExc_RuntimeError);

    py::class_<ScriptChannel>(m, "Channel")
        .def_readonly("name", &ScriptChannel::name)
        .def_readonly("unit", &ScriptChannel::unit)
        .def_property_readonly(
            "kind", [](const ScriptChannel& c) { return std::string(ScriptChannelKindName(c.kind)); })
        .def_readonly("pair", &ScriptChannel::pair)
        .def_readonly("precision", &ScriptChannel::precision)
        .def_readonly("probes", &ScriptChannel::probes)
        .def_property_readonly("linear",
            [](const ScriptChannel& c) {
                return c.kind != ScriptChannelKind::Analog && c.kind != ScriptChannelKind::Wide
                    ? c.kind != ScriptChannelKind::Logic
                    : c.scale.rule == ChannelScale::Rule::Linear;
            })
        .def_property_readonly("scale",
            [](const ScriptChannel& c) {
                return c.kind == ScriptChannelKind::Pulse ? c.pulseScale.scale : c.scale.scale;
            })
        .def_property_readonly("offset",
            [](const ScriptChannel& c) {
                return c.kind == ScriptChannelKind::Pulse ? c.pulseScale.offset : c.scale.offset;
            })
        .def("__repr__", [](const ScriptChannel& c) {
            return "<kp.Channel " + c.name + " " + std::string(ScriptChannelKindName(c.kind)) + ">";
        });

    py::class_<ScriptEvent>(m, "Event")
        .def_readonly("point", &ScriptEvent::point)
        .def_readonly("time", &ScriptEvent::seconds)
        .def("__repr__", [](const ScriptEvent& e) { return "<kp.Event point " + std::to_string(e.point) + ">"; });

    py::class_<Block>(m, "Block")
        .def_readonly("number", &Block::number)
        .def_readonly("name", &Block::name)
        .def_readonly("path", &Block::path)
        .def_readonly("exists", &Block::exists);

    py::class_<ScriptRecording>(m, "Recording")
        .def("__repr__",
            [](const ScriptRecording& r) {
                return "<kp.Recording " + r.Doc().GetTitle() + ": " + std::to_string(r.Channels().size())
                    + " channels, " + std::to_string(r.Points()) + " points>";
            })
        .def_property_readonly("header", &Header)
        .def_property_readonly("channels", &ScriptRecording::Channels)
        .def_property_readonly("points", &ScriptRecording::Points)
        .def_property_readonly("events", &ScriptRecording::Events)
        .def_property_readonly("blocks", &Blocks)
        .def("values", &Values, "channel"_a, "start"_a = 0, "stop"_a = py::none(), "step"_a = 1, py::kw_only(),
            "secondary"_a = false, "out"_a = py::none(),
            "Physical values of a channel as float64, as the text export computes them. "
            "secondary=True reads the minima of an envelope record; out= a float64 array to fill instead of a new "
            "one.")
        .def("times", &Times, "start"_a = 0, "stop"_a = py::none(), "step"_a = 1,
            "Seconds of the points from the trigger point.")
        .def("codes", &Codes, "channel"_a, py::kw_only(), "secondary"_a = false,
            "The raw codes as stored, a read-only view without a copy.")
        .def("logic", &Logic, "channel"_a, "probe"_a = py::none(), "start"_a = 0, "stop"_a = py::none(), "step"_a = 1,
            py::kw_only(), "secondary"_a = false,
            "One probe of a logic unit as bool, by unit and 1-based probe or by the probe's name.");

    m.def("open", &OpenRecording, "path"_a,
        "Loads a recording as the viewer does; an index file loads the block the viewer shows.");
    m.def(
        "open_index",
        [](const std::filesystem::path& path) {
            auto r = OpenRecording(path);
            if (r->Blocks().GetIndexFilePath().empty())
                throw py::value_error(path.string() + " is not an index file");
            return r;
        },
        "path"_a, "Opens an index file: the block the viewer shows, with every listed block in .blocks.");
    m.def("convert", &Convert, "source"_a, "folder"_a, py::kw_only(), "format"_a = "csv", "thinout"_a = 1,
        "time"_a = "sec", "newline"_a = "crlf", "header"_a = true, "store_info"_a = true, "channel_info"_a = true,
        "channel_header"_a = true, "events"_a = true, "time_column"_a = true, "channel_names"_a = "numbers",
        "Converts a recording to a text file as \"kp /CONV\" does; returns the file written.");
}
