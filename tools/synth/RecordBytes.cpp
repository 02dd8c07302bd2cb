#include "synth/RecordBytes.h"

#include <algorithm>
#include <string>

namespace kp::synth {

namespace {

void PutText(RecordBytes& r, std::size_t offset, const std::string& text, std::size_t maxLength)
{
    if (text.size() > maxLength)
        throw std::invalid_argument("record text too long: " + text);
    std::copy(text.begin(), text.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
}

} // namespace

RecordBytes MakeRecord(const RecordBlueprint& blueprint)
{
    RecordBytes r {};
    PutText(r, 0, blueprint.tag, 12);
    for (const auto& [field, text] : blueprint.fields) {
        if (field < 0 || field > 41)
            throw std::invalid_argument("field number out of range: " + std::to_string(field));
        PutText(r, static_cast<std::size_t>(field) * 12, text, 12);
    }
    for (const auto& [offset, bytes] : blueprint.bytes) {
        if (offset > r.size() || bytes.size() > r.size() - offset)
            throw std::invalid_argument("record bytes out of range");
        std::copy(bytes.begin(), bytes.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    return r;
}

void AppendRecord(std::vector<std::uint8_t>& out, const RecordBytes& record)
{
    out.insert(out.end(), record.begin(), record.end());
}

} // namespace kp::synth
