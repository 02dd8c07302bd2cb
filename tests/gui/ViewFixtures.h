#pragma once
// A view on an in-memory settings record and store, and records built from
// known codes.

#include "app/KpSettings.h"
#include "display/CKpView.h"
#include "platform/SettingsStore.h"

#include <QApplication>

#include <memory>
#include <vector>

namespace kp::test {

// Owns the arrays the record's columns point into.
struct RecordData {
    std::vector<std::vector<std::uint16_t>> analog;
    std::vector<std::vector<std::uint32_t>> groups;
};

// n points of `channels` analog channels; channel c holds (i % 100) - 50 + c.
inline std::unique_ptr<ViewRecord> MakeRecord(RecordData& data, std::int64_t n, int channels = 2, int modelId = 1)
{
    auto r = std::make_unique<ViewRecord>();
    r->fileName = "TEST.MEM";
    r->modelId = modelId;
    r->points = n;
    r->pointsPerDivision0 = r->pointsPerDivision1 = 100;
    r->timePerDiv = 0.01;
    r->sampleInterval = 0.0001;
    data.analog.assign(static_cast<std::size_t>(channels), std::vector<std::uint16_t>(static_cast<std::size_t>(n)));
    for (int c = 0; c < channels; ++c) {
        auto& v = data.analog[static_cast<std::size_t>(c)];
        for (std::int64_t i = 0; i < n; ++i)
            v[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(static_cast<std::int16_t>(i % 100 - 50 + c));
        ValueChannel ch;
        ch.index = c;
        ch.name = "CH" + std::to_string(c + 1);
        ch.coding = TraceCoding::Signed16;
        ch.scaling.span = 800;
        ch.scaling.gain = 800.0 / (100 * 5);
        ch.primary = std::make_unique<SummaryColumns<SignedCodeSummary>>(std::span<const std::uint16_t>(v), 0);
        r->analog.push_back(std::move(ch));
    }
    return r;
}

// A view of a fixed size, shown offscreen, with its own settings.
struct ViewHarness {
    KpSettings settings = KpSettings::Defaults();
    MemorySettingsStore store;
    std::unique_ptr<CKpView> view;

    explicit ViewHarness(int width = 1000, int height = 400)
    {
        settings.waveBackColor = {0, 0, 0};
        settings.waveGridColor = {192, 192, 192};
        settings.waveCharColor = {255, 255, 0};
        view = std::make_unique<CKpView>(settings, store);
        view->resize(width, height);
        view->show();
        QApplication::processEvents();
    }
    int ViewportWidth() const { return view->viewport()->width(); }
};

} // namespace kp::test
