#pragma once
// `kp --trace ... --json`: the trace window's lists as one JSON object, each
// value both as a number and as the text the window shows.

#include "view/TraceCommand.h"

#include <string>

namespace kp {

std::string TraceCommandJson(
    const CKpDoc& doc, const ViewRecord& record, const TraceRequest& request, TraceCursors cursors);

} // namespace kp
