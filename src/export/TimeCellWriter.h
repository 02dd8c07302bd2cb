#pragma once
// The time cell of a row in the four notations: seconds from the trigger
// point ("%.*e"), absolute date and time, elapsed time, and the point number
// relative to the trigger point.

#include "export/ExportLayout.h"
#include "export/FastExp.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kp {

class TimeCellWriter {
public:
    explicit TimeCellWriter(const ExportTimeColumn& time, char decimalSeparator);

    // Seconds and point numbers have a bounded width and are written straight
    // into the row; dates and elapsed times come from the formatters as text.
    bool fixedWidth() const { return notation_ == 0 || notation_ == 3; }
    static constexpr std::size_t kFixedCapacity = 32;

    // fixedWidth(): writes the cell at out (kFixedCapacity bytes of room).
    char* write(char* out, std::int64_t point);
    // !fixedWidth(): the cell's text, valid until the next call.
    std::string_view text(std::int64_t point);

    // (point - trigger point) x interval, the seconds of a point.
    double seconds(std::int64_t point) const
    {
        return static_cast<double>(point - time_.triggerPoint) * time_.interval;
    }

private:
    ExportTimeColumn time_;
    int notation_;
    int precision_;
    char decimalSeparator_;
    DecadeExpWriter secondsWriter_;
    std::string text_;
};

} // namespace kp
