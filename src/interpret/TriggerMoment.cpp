#include "interpret/TriggerMoment.h"

#include "format/TextTrim.h"
#include "wavefile/CWaveHeadInfo.h"

#include <cctype>
#include <string>
#include <vector>

namespace kp {

namespace {

struct Run {
    long long value = 0;
    std::size_t begin = 0;
    std::size_t end = 0; // one past the last digit
};

// The runs of digits of a text ("24-06-11" gives 24, 6, 11); values stop
// growing at 10^8 so that a long run cannot overflow.
std::vector<Run> DigitRuns(const std::string& text)
{
    std::vector<Run> out;
    for (std::size_t i = 0; i < text.size();) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        Run run;
        run.begin = i;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            if (run.value < 100000000)
                run.value = run.value * 10 + (text[i] - '0');
        run.end = i;
        out.push_back(run);
    }
    return out;
}

std::string MainText(const CWaveHeadInfo& head, int field)
{
    return TrimBoth(FieldText(head.MainRecord(), field));
}

bool HasMainRecord(const CWaveHeadInfo& head)
{
    return head.GetHeaderFamily() != HeaderFamily::Family4;
}

} // namespace

std::optional<DateTime> ReadTriggerMoment(const CWaveHeadInfo& head)
{
    if (!HasMainRecord(head))
        return std::nullopt;
    const std::string dateText = MainText(head, triggermoment::kDateField);
    const std::vector<Run> date = DigitRuns(dateText);
    const std::vector<Run> time = DigitRuns(MainText(head, triggermoment::kTimeField));
    if (date.size() < 3)
        return std::nullopt;
    long long year = date[0].value;
    if (date[0].end - date[0].begin <= 2)
        year += year < 70 ? 2000 : 1900;
    auto part = [](const std::vector<Run>& v, std::size_t i) {
        return i < v.size() && v[i].value < 100 ? static_cast<int>(v[i].value) : 0;
    };
    return DateTime::FromCivil(year, part(date, 1), part(date, 2), part(time, 0), part(time, 1), part(time, 2));
}

double ReadTriggerStartOffset(const CWaveHeadInfo& head)
{
    if (!HasMainRecord(head))
        return 0.0;
    const std::string text = MainText(head, triggermoment::kTimeField);
    const std::vector<Run> time = DigitRuns(text);
    // Only a fraction written straight after the seconds ("05.25") counts.
    if (time.size() < 4 || time[3].begin != time[2].end + 1 || text[time[2].end] != '.')
        return 0.0;
    double fraction = 0.0;
    double scale = 0.1;
    for (std::size_t i = time[3].begin; i < time[3].end && scale > 1e-12; ++i, scale *= 0.1)
        fraction += (text[i] - '0') * scale;
    return fraction;
}

} // namespace kp
