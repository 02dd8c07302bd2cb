#include "export/ExportHeaderSection.h"

#include "format/TextTrim.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace kp {

namespace {

class Lines {
public:
    Lines(const ExportTextStyle& style)
        : style_(style)
    {
    }

    // A quoted cell; the separator goes before every cell but the first of
    // a line.
    Lines& cell(std::string_view text)
    {
        if (cellsInLine_++ > 0)
            out_ += style_.separator;
        out_ += '"';
        out_ += text;
        out_ += '"';
        return *this;
    }
    Lines& text(std::string_view text)
    {
        out_ += text;
        return *this;
    }
    void end()
    {
        out_ += style_.newline;
        cellsInLine_ = 0;
    }
    std::string take() { return std::move(out_); }

private:
    const ExportTextStyle& style_;
    std::string out_;
    int cellsInLine_ = 0;
};

// Ratio and offset are stored with "." whatever the locale; the file prints
// every number with the locale's separator.
std::string WithDecimalSeparator(std::string text, char decimalSeparator)
{
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

const char* TimeHeader(int notation)
{
    switch (std::clamp(notation, 0, 3)) {
    case 0:
        return "Time[s]";
    case 1:
        return "Date";
    case 2:
        return "Time";
    default:
        return "Point";
    }
}

void ChannelLine(Lines& lines, const ChannelInfoLine& c, char decimalSeparator)
{
    using Kind = ChannelInfoLine::Kind;
    switch (c.kind) {
    case Kind::Full:
    case Kind::NoFilter:
        lines.cell(c.name).cell(c.amp).cell(c.range).cell(c.comment).cell(c.scaling);
        lines.cell(WithDecimalSeparator(c.ratio, decimalSeparator));
        lines.cell(WithDecimalSeparator(c.offset, decimalSeparator));
        lines.cell(c.kind == Kind::Full ? std::string_view(c.filter) : "-");
        break;
    case Kind::NameComment:
        lines.cell(c.name).cell("-").cell("-").cell(c.comment).cell("-").cell("-").cell("-").cell("-");
        break;
    case Kind::LogicUnit:
        lines.cell(std::string("L") + c.unitLetter).cell("-").cell("-").cell("-").cell(c.comment);
        lines.cell("-").cell("-").cell("-").cell("-");
        break;
    }
    lines.end();
}

} // namespace

int MakerFormatFrequency(double secondsPerPoint, int thinOut)
{
    const double x = secondsPerPoint * thinOut;
    if (x == 0 || !std::isfinite(x))
        return 1;
    const double f = std::trunc(100.0 / x + 0.5);
    return static_cast<int>(std::clamp(f, 1.0, 1000000000.0));
}

std::string RenderExportHeader(const ExportHeaderTexts& texts, const ExportTextStyle& style,
    const ExportHeaderOptions& options, int notation, int thinOut)
{
    Lines lines(style);
    if (style.format == 3) {
        // The maker's format always ends its lines with CR LF.
        lines.text("VORAN5544TXT2\r\n");
        lines.text("FREQ = " + std::to_string(MakerFormatFrequency(texts.secondsPerPoint, thinOut)) + "\r\n");
        lines.text("\r\n");
        return lines.take();
    }

    if (options.storeInfo) {
        lines.cell(TrimBoth(texts.title));
        lines.end();
        lines.cell("Shot").cell(texts.intervalLabel ? "Interval" : "Time/DIV").cell("Trig Date").cell("Trig Time");
        lines.end();
        lines.cell(TrimBoth(texts.shot)).cell(TrimBoth(texts.interval));
        lines.cell(TrimBoth(texts.trigDate)).cell(TrimBoth(texts.trigTime));
        lines.end();
        lines.end();
    }

    if (options.channelInfo) {
        lines.cell("CH").cell("Amp").cell("Range").cell("Comment").cell("Scaling").cell("Ratio").cell("Offset");
        lines.cell("Filter");
        lines.end();
        for (const ChannelInfoLine& c : texts.channels)
            ChannelLine(lines, c, style.decimalSeparator);
        lines.end();
    }

    if (options.channelHeader) {
        if (options.timeColumn)
            lines.cell(TimeHeader(notation));
        for (const ColumnHeaderCell& c : texts.columns) {
            std::string cell = c.name + c.suffix;
            if (c.hasUnit)
                cell += "[" + c.unit + "]";
            lines.cell(cell);
        }
        lines.end();
    }
    return lines.take();
}

} // namespace kp
