#include "view/DivisionGeometry.h"

#include <array>

namespace kp {

namespace {

struct Row {
    int family;
    int s;
    int l;
    SpanRule rule;
    double span;
};

constexpr std::array<Row, 17> kRows { {
    { 0, 20, 3, SpanRule::Fixed, 120 },
    { 2, 20, 5, SpanRule::Fixed, 800 },
    { 3, 20, 10, SpanRule::Fixed, 800 },
    { 1, 16, 5, SpanRule::Fixed, 800 },
    { 3, 20, 10, SpanRule::Fixed, 800 },
    { 4, 20, 10, SpanRule::HeaderValueTimesL, 0 },
    { 5, 20, 5, SpanRule::HeaderIntegerTimesL, 0 },
    { 7, 20, 10, SpanRule::Fixed, 800 },
    { 6, 20, 10, SpanRule::Fixed, 800 },
    { 2, 20, 5, SpanRule::Fixed, 800 },
    { 5, 20, 5, SpanRule::HeaderIntegerTimesL, 0 },
    { 4, 20, 10, SpanRule::HeaderValueTimesL, 0 },
    { 2, 20, 5, SpanRule::Fixed, 500 },
    { 4, 20, 10, SpanRule::HeaderValueTimesL, 0 },
    { 4, 20, 5, SpanRule::HeaderValueTimesL, 0 },
    { 4, 20, 10, SpanRule::HeaderValueTimesL, 0 },
    { 4, 20, 10, SpanRule::HeaderValueTimesL, 0 },
} };

} // namespace

bool DivisionGeometryForModel(int modelId, DivisionGeometry& out)
{
    if (modelId < 0 || modelId >= static_cast<int>(kRows.size()))
        return false;
    const Row& r = kRows[static_cast<std::size_t>(modelId)];
    out.magnificationFamily = r.family;
    out.smallDivision = r.s;
    out.divisionsPerHalf = r.l;
    out.spanRule = r.rule;
    out.fixedSpan = r.span;
    out.pulseFullScaleDivisor = modelId == 6 || modelId == 10 || modelId == 15;
    return true;
}

} // namespace kp
