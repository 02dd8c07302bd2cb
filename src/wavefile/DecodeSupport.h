#pragma once
// Small pieces every family decoder uses: progress stepping, the release of
// consumed file bytes, and results with their reason.

#include <algorithm>
#include <cstdint>
#include <string>

#include "wavefile/SampleDecoder.h"
#include "wavefile/TableAllocation.h"

namespace kp {

// Calls the request's step once per `every` units (points or values) counted
// with advance(); false once the user confirmed Cancel.
class ProgressTicker {
public:
    ProgressTicker(const DecodeRequest& request, std::int64_t every)
        : request_(request)
        , every_(every)
    {
    }

    bool advance(std::int64_t units = 1)
    {
        counter_ += units;
        while (counter_ >= every_) {
            counter_ -= every_;
            if (request_.step && !request_.step())
                return false;
        }
        return true;
    }
    // One step right away (families that step per channel).
    bool stepNow() { return !request_.step || request_.step(); }

private:
    const DecodeRequest& request_;
    std::int64_t every_;
    std::int64_t counter_ = 0;
};

// Tells the request's consumer, at most once per kReleaseGranule bytes, that
// nothing before `offset` will be read again.
class ConsumedBytes {
public:
    static constexpr std::uint64_t kReleaseGranule = std::uint64_t { 8 } << 20;
    explicit ConsumedBytes(const DecodeRequest& request)
        : request_(request)
    {
    }
    void reached(std::uint64_t offset)
    {
        if (request_.consumed && offset >= last_ + kReleaseGranule) {
            request_.consumed(offset);
            last_ = offset;
        }
    }

private:
    const DecodeRequest& request_;
    std::uint64_t last_ = 0;
};

// Raw destination of one channel: what a hot loop writes to. size counts the
// primary elements; secondary is null unless the slot has pair arrays.
template <typename T> struct Destination {
    T* primary = nullptr;
    T* secondary = nullptr;
    std::size_t size = 0;
};

template <typename T> Destination<T> DestinationOf(ChannelSlot<T>& slot)
{
    Destination<T> d;
    d.primary = slot.primary.data();
    d.secondary
        = slot.secondary.size() == slot.primary.size() && !slot.secondary.empty() ? slot.secondary.data() : nullptr;
    d.size = slot.primary.size();
    return d;
}

// Points [firstPoint, firstPoint + n) that a layout of `frame` bytes per point
// starting at `start` still holds completely in a file of `size` bytes.
inline std::int64_t FramesAvailable(
    std::uint64_t size, std::uint64_t start, std::uint64_t frame, std::int64_t firstPoint, std::int64_t n)
{
    if (frame == 0 || start > size || n <= 0)
        return frame == 0 ? n : 0;
    const std::uint64_t whole = (size - start) / frame;
    if (whole <= static_cast<std::uint64_t>(firstPoint))
        return 0;
    return static_cast<std::int64_t>(
        std::min<std::uint64_t>(whole - static_cast<std::uint64_t>(firstPoint), static_cast<std::uint64_t>(n)));
}

inline DecodeResult Completed()
{
    return {};
}
inline DecodeResult CancelledByUser()
{
    return { DecodeStatus::Cancelled, "cancelled" };
}
inline DecodeResult ShortFileAt(std::uint64_t offset, std::uint64_t needed, std::uint64_t size)
{
    return { DecodeStatus::ShortFile,
        "needed " + std::to_string(needed) + " bytes at " + std::to_string(offset) + ", the file ends at "
            + std::to_string(size) };
}
inline DecodeResult RefusedBecause(std::string why)
{
    return { DecodeStatus::Refused, std::move(why) };
}

} // namespace kp
