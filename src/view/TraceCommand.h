#pragma once
// `kp --trace FILE --a A --b B [...]`: the trace window's Copy text for
// given cursor positions, printed without a window, so that scripts can
// measure a recording without converting it.

#include "view/TraceReadout.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kp {

class CKpDoc;
struct ViewRecord;

// A cursor position as typed: a point of the record, or seconds from the
// trigger point ("1.5ms").
struct TracePosition {
    bool isTime = false;
    std::int64_t point = 0;
    double seconds = 0.0;
};

struct TraceRequest {
    std::filesystem::path file;
    TracePosition a, b;
    bool lf = false;
    bool json = false;
    int notation = 2; // the view's time notation on a first start: points
    TraceOptions options;
    std::optional<int> tab; // tab data; every shown tab when none
};

// Reads the tokens after the program name; the reason of a usage error otherwise.
struct TraceArguments {
    std::optional<TraceRequest> request;
    std::string error;
};
TraceArguments ParseTraceArguments(const std::vector<std::string>& tokens);

// "div", "sec", "point", "trig" or "date" (any case) as the view's time
// notation.
std::optional<int> ParseTimeNotation(const std::string& text);

// "1.5ms", "-2s", "250us" as seconds; a plain whole number as a point.
std::optional<TracePosition> ParseTracePosition(const std::string& text);

// The cursors for the request on a record of `points` points (trigger point
// `trigger`, `interval` seconds apart): clamped to the record, A <= B.
struct TraceCursors {
    std::int64_t a = 0;
    std::int64_t b = 0;
};
TraceCursors PlaceTraceCursors(
    const TracePosition& a, const TracePosition& b, std::int64_t trigger, double interval, std::int64_t points);

// The text printed for a loaded document: per tab one title line and its
// Copy text, line ends "\r\n".
std::string TraceCommandText(
    const CKpDoc& doc, const ViewRecord& record, const TraceRequest& request, TraceCursors cursors);

// The whole command: returns the exit status (0, 1 when the recording
// cannot be measured, 2 for a usage error), the text on out, reasons on err.
int RunTraceCommand(const std::vector<std::string>& tokens, std::string& out, std::string& err);

} // namespace kp
