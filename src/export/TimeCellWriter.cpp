#include "export/TimeCellWriter.h"

#include "export/FastExp.h"
#include "format/DateTimeFormat.h"
#include "format/ElapsedTimeFormat.h"
#include "format/NumberWriter.h"

#include <algorithm>
#include <cmath>

namespace kp {

TimeCellWriter::TimeCellWriter(const ExportTimeColumn& time, char decimalSeparator)
    : time_(time)
    , notation_(std::clamp(time.notation, 0, 3))
    , precision_(std::clamp(time.precision, 0, kMaxFastExpPrecision))
    , decimalSeparator_(decimalSeparator)
    , writeExp_(ExpCellWriterFor(precision_))
{
}

char* TimeCellWriter::write(char* out, std::int64_t point) const
{
    if (notation_ == 3)
        return AppendInt(out, point - time_.triggerPoint);
    double s = seconds(point);
    // The product of a point number and an interval that is not a binary
    // fraction is rarely exactly 0 near the trigger; print it as 0.
    if (std::fabs(s) < 1e-10)
        s = 0;
    return writeExp_(out, s, false, decimalSeparator_);
}

std::string_view TimeCellWriter::text(std::int64_t point)
{
    if (notation_ == 1)
        text_ = FormatDateTimeWhole(time_.triggerMoment, seconds(point), false);
    else
        text_ = FormatElapsedTime(seconds(point), time_.interval, false, time_.precision);
    return text_;
}

} // namespace kp
