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
    , secondsWriter_(precision_, decimalSeparator)
{
}

char* TimeCellWriter::write(char* out, std::int64_t point)
{
    // The full 64-bit point number: a record of more than 2^31 points must
    // not wrap to negative numbers.
    if (notation_ == 3)
        return AppendInt(out, point - time_.triggerPoint);
    double s = seconds(point);
    // Times closer to the trigger than 1e-10 s print as a plain 0 (and so
    // does -0 for an interval read as negative).
    if (std::fabs(s) < 1e-10)
        s = 0;
    return secondsWriter_.write(out, s);
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
