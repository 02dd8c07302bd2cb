#pragma once
// Statistics between the cursors for the trace window's "Statistics" list:
// minimum, maximum, peak-to-peak, mean, RMS and standard deviation of every
// analog, calculation and pulse channel over the points A .. B, and edges
// and time high of every logic probe. The per-block summaries are built for
// a document on first use and kept until the document loads again.

#include "view/LogicRangeCounts.h"
#include "view/RangeMoments.h"
#include "view/TextTable.h"
#include "view/TraceValueText.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "wavefile/ChannelScale.h"

namespace kp {

class CKpDoc;

// One channel's values as physical numbers, whatever their coding.
struct ChannelValues {
    enum class Coding { Code16, Code32, Float, Pulse };
    Coding coding = Coding::Code16;
    std::span<const std::uint16_t> codes16;
    std::span<const std::uint32_t> codes32;
    std::span<const float> floats;
    ChannelScale scale;
    PulseScale pulse;

    std::int64_t size() const;
    double operator()(std::int64_t i) const
    {
        const auto k = static_cast<std::size_t>(i);
        switch (coding) {
        case Coding::Code16:
            return scale.Apply16(codes16[k]);
        case Coding::Code32:
            return scale.Apply32(codes32[k]);
        case Coding::Float:
            return static_cast<double>(floats[k]);
        case Coding::Pulse:
            return pulse.Apply(codes16[k]);
        }
        return 0.0;
    }
};

class StatisticsReadout {
public:
    // The statistics list for points a .. b (inclusive).
    TextTable Build(const CKpDoc& doc, std::int64_t a, std::int64_t b, const TraceNumberFormat& format);

    // The line above the list: the time between the cursors, its inverse and
    // the number of points ("dt=10ms  1/dt=100Hz  n=11").
    static std::string SummaryLine(double sampleInterval, std::int64_t a, std::int64_t b);

    struct ValueChannel {
        std::string name, unit;
        int digits = 5;
        ChannelValues values;
        BlockMoments moments;
    };
    struct LogicProbe {
        std::string name;
        BlockLogicCounts counts;
    };
    // Builds the summaries when the document changed since the last call.
    void Prepare(const CKpDoc& doc);
    const std::vector<ValueChannel>& Channels() const { return channels_; }
    const std::vector<LogicProbe>& Probes() const { return probes_; }

private:
    const CKpDoc* doc_ = nullptr;
    std::uint64_t revision_ = 0;
    std::vector<ValueChannel> channels_;
    std::vector<LogicProbe> probes_;
};

} // namespace kp
