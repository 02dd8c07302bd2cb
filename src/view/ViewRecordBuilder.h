#pragma once
// Builds the view's record from a loaded document: the header facts the view
// lays out by, and every saved channel with its display scaling and its
// min/max summaries (built here, once per load).

#include "view/ViewRecord.h"

#include <memory>

namespace kp {

class CKpDoc;

// Null when the document holds no waveform.
std::unique_ptr<ViewRecord> BuildViewRecord(const CKpDoc& doc);

// Default logic layout when the header gives none: the present logic channels
// stacked from the bottom of the wave area, one band each, at most one
// division high and all together at most two fifths of the height. Sets header.zoom (height fraction) and
// header.position.
void StackLogicChannels(std::vector<LogicChannel>& logic, int divisionsPerHalf);

} // namespace kp
