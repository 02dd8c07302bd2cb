#pragma once
// Everything a text file of one recording is made of, worked out once from
// the header before any row is written: the header section's texts and the
// row layout (columns in header order, their scaling and precision, the time
// cell). Every conversion road builds its file from this.

#include "export/ExportHeaderSection.h"
#include "export/ExportLayout.h"
#include "export/ExportOptions.h"
#include "wavefile/HeaderFamily.h"

namespace kp {

class CWaveHeadInfo;
struct SampleLayout;

// The choices of one conversion that shape the file.
struct ExportChoices {
    int format = kFormatCsv;
    bool crlf = false;
    int notation = kNotationSeconds;
    ExportHeaderOptions header;
    int headerType = kHeaderChannelNumbers;
    int thinOut = 1;
};

ExportChoices ChoicesOf(const ConversionRequest& request);

struct ExportPlan {
    ExportHeaderTexts texts;
    ExportLayout layout;
    ExportHeaderOptions header;
    int notation = 0;
    int thinOut = 1;

    // The header section under the current locale.
    std::string HeaderSection() const { return RenderExportHeader(texts, layout.style, header, notation, thinOut); }
};

// Decimals of the seconds and elapsed-time cells by header family.
int TimePrecision(HeaderFamily family, int modelId);

// Columns, in header order: the analog positions in slot order (16-bit
// channels and 32-bit value channels), the pulse channels, the float
// channels, the probes of 32-bit logic units, then the probes of the classic
// 4-probe units. Pair-valued records write two columns per value: maximum and
// minimum (OR and AND for logic probes).
ExportPlan BuildExportPlan(const CWaveHeadInfo& head, const SampleLayout& samples, const ExportChoices& choices);

} // namespace kp
