// Repaint of the waveform view: a 1600 x 900 view showing 16 channels of a
// 10,000,000-point recording, at fit-to-window and at 1:1, painted from the
// min/max summaries and, side by side, from a plain scan of every column's
// points. The dots style likewise: its first paint (rows found from the
// summaries), its repaints (rows reused from the view's cache) and the plain
// scan that sets every sample. Run: build/bench/view_bench (offscreen; no
// display needed).

#include "app/KpSettings.h"
#include "display/CKpView.h"
#include "platform/SettingsStore.h"
#include "synth/DemoRecordings.h"
#include "view/DotRowCache.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using namespace kp;

constexpr std::int64_t kPoints = 10'000'000;
constexpr int kChannels = 16;
constexpr int kWidth = 1600, kHeight = 900;

// The columns of a channel reduced by scanning every point, the way a view
// without summaries has to.
class PlainColumns final : public ValueColumns {
public:
    explicit PlainColumns(std::span<const std::uint16_t> data)
        : data_(data)
    {
    }
    std::int64_t size() const override { return static_cast<std::int64_t>(data_.size()); }
    bool Range(std::int64_t first, std::int64_t last, double& lo, double& hi) const override
    {
        if (first >= last)
            return false;
        const auto e = PlainExtent<std::int16_t>(data_, first, last);
        lo = e.lo;
        hi = e.hi;
        return true;
    }
    double Value(std::int64_t i) const override
    {
        return static_cast<std::int16_t>(data_[static_cast<std::size_t>(i)]);
    }

private:
    std::span<const std::uint16_t> data_;
};

struct Fixture {
    std::vector<std::vector<std::uint16_t>> codes;
    KpSettings settings = KpSettings::Defaults();
    MemorySettingsStore store;
    std::unique_ptr<CKpView> summaryView;
    std::unique_ptr<CKpView> plainView;

    Fixture()
    {
        synth::Recording r = synth::WaveformRecording(kChannels, 0, kPoints, 7);
        for (auto& a : r.analog)
            codes.push_back(std::move(a.primary));
        settings.waveBackColor = { 0, 0, 0 };
        settings.waveGridColor = { 192, 192, 192 };
        settings.waveCharColor = { 255, 255, 0 };
        summaryView = MakeView(false);
        plainView = MakeView(true);
    }

    std::unique_ptr<CKpView> MakeView(bool plain)
    {
        auto record = std::make_unique<ViewRecord>();
        record->fileName = "BENCH.MEM";
        record->modelId = 5; // the family with the coarsest magnifications
        record->points = kPoints;
        for (int c = 0; c < kChannels; ++c) {
            ValueChannel ch;
            ch.index = c;
            ch.name = "CH" + std::to_string(c + 1);
            ch.scaling.span = 1600 * 10;
            ch.scaling.gain = 1.0;
            ch.header.zoom = 0.1;
            ch.header.position = 0.9 - c * 0.12;
            const std::span<const std::uint16_t> data(codes[static_cast<std::size_t>(c)]);
            if (plain)
                ch.primary = std::make_unique<PlainColumns>(data);
            else
                ch.primary = std::make_unique<SummaryColumns<SignedCodeSummary>>(data, 0);
            record->analog.push_back(std::move(ch));
        }
        auto view = std::make_unique<CKpView>(settings, store);
        view->resize(kWidth, kHeight);
        view->show();
        QApplication::processEvents();
        view->SetRecord(std::move(record));
        return view;
    }
};

// Made on first use and destroyed in main, before the application object
// its widgets need.
std::unique_ptr<Fixture> shared;

Fixture& Shared()
{
    if (!shared)
        shared = std::make_unique<Fixture>();
    return *shared;
}

enum class Zoom { Fit, Highest, OneToOne };

// A 10,000,000-point record is offered down to 1:500 (32,500 columns at most);
// 1:1 paints the same view with one point per column.
void Repaint(benchmark::State& state, bool plain, Zoom zoom)
{
    Fixture& f = Shared();
    CKpView& view = plain ? *f.plainView : *f.summaryView;
    view.SetMagnificationIndex(
        zoom == Zoom::Fit ? view.StartIndexForWidth(view.viewport()->width()) : view.GetHighestIndex());
    QImage image(view.viewport()->width(), view.viewport()->height(), QImage::Format_RGB32);
    const QRect clip(view.ScrollX(), 0, image.width(), image.height());
    PaintParams params = view.BuildPaintParams(clip);
    if (zoom == Zoom::OneToOne)
        params.pointsPerColumn = 1;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.translate(-view.ScrollX(), 0);
        paint(painter, zoom == Zoom::OneToOne ? params : view.BuildPaintParams(clip));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["ppc"] = static_cast<double>(params.pointsPerColumn);
    state.counters["width"] = image.width();
}

void BM_RepaintFitSummary(benchmark::State& s)
{
    Repaint(s, false, Zoom::Fit);
}
void BM_RepaintFitPlainScan(benchmark::State& s)
{
    Repaint(s, true, Zoom::Fit);
}
void BM_RepaintHighestSummary(benchmark::State& s)
{
    Repaint(s, false, Zoom::Highest);
}
void BM_RepaintHighestPlainScan(benchmark::State& s)
{
    Repaint(s, true, Zoom::Highest);
}
void BM_RepaintOneToOneSummary(benchmark::State& s)
{
    Repaint(s, false, Zoom::OneToOne);
}
void BM_RepaintOneToOnePlainScan(benchmark::State& s)
{
    Repaint(s, true, Zoom::OneToOne);
}

BENCHMARK(BM_RepaintFitSummary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintFitPlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintHighestSummary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintHighestPlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintOneToOneSummary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintOneToOnePlainScan)->Unit(benchmark::kMillisecond);

enum class Dots { PlainScan, FirstPaint, Repaint };

// Dots style on the summary view. First paint: the view's row cache is
// emptied before each paint; repaint: it keeps the rows of the previous
// paint; plain scan: no cache, every sample of every painted column is set.
void RepaintDots(benchmark::State& state, Zoom zoom, Dots mode)
{
    Fixture& f = Shared();
    CKpView& view = *f.summaryView;
    view.SetMagnificationIndex(
        zoom == Zoom::Fit ? view.StartIndexForWidth(view.viewport()->width()) : view.GetHighestIndex());
    QImage image(view.viewport()->width(), view.viewport()->height(), QImage::Format_RGB32);
    const QRect clip(view.ScrollX(), 0, image.width(), image.height());
    PaintParams params = view.BuildPaintParams(clip);
    params.style = WaveStyle::Dots;
    if (zoom == Zoom::OneToOne)
        params.pointsPerColumn = 1;
    DotRowCache* cache = params.dotRows;
    if (mode == Dots::PlainScan)
        params.dotRows = nullptr;
    auto once = [&] {
        QPainter painter(&image);
        painter.translate(-view.ScrollX(), 0);
        paint(painter, params);
        painter.end();
    };
    if (mode == Dots::Repaint)
        once();
    for (auto _ : state) {
        if (mode == Dots::FirstPaint)
            cache->Clear();
        once();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["ppc"] = static_cast<double>(params.pointsPerColumn);
    cache->Clear();
}

void BM_DotsFitPlainScan(benchmark::State& s)
{
    RepaintDots(s, Zoom::Fit, Dots::PlainScan);
}
void BM_DotsFitFirstPaint(benchmark::State& s)
{
    RepaintDots(s, Zoom::Fit, Dots::FirstPaint);
}
void BM_DotsFitRepaint(benchmark::State& s)
{
    RepaintDots(s, Zoom::Fit, Dots::Repaint);
}
void BM_DotsHighestPlainScan(benchmark::State& s)
{
    RepaintDots(s, Zoom::Highest, Dots::PlainScan);
}
void BM_DotsHighestFirstPaint(benchmark::State& s)
{
    RepaintDots(s, Zoom::Highest, Dots::FirstPaint);
}
void BM_DotsHighestRepaint(benchmark::State& s)
{
    RepaintDots(s, Zoom::Highest, Dots::Repaint);
}
void BM_DotsOneToOnePlainScan(benchmark::State& s)
{
    RepaintDots(s, Zoom::OneToOne, Dots::PlainScan);
}
void BM_DotsOneToOneFirstPaint(benchmark::State& s)
{
    RepaintDots(s, Zoom::OneToOne, Dots::FirstPaint);
}
void BM_DotsOneToOneRepaint(benchmark::State& s)
{
    RepaintDots(s, Zoom::OneToOne, Dots::Repaint);
}

BENCHMARK(BM_DotsFitPlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DotsFitFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DotsFitRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DotsHighestPlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DotsHighestFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DotsHighestRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DotsOneToOnePlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DotsOneToOneFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DotsOneToOneRepaint)->Unit(benchmark::kMillisecond);

// What a load adds: the summaries of 16 channels of 10,000,000 points.
void BM_BuildSummaries(benchmark::State& state)
{
    Fixture& f = Shared();
    for (auto _ : state) {
        for (const auto& c : f.codes) {
            SignedCodeSummary s { std::span<const std::uint16_t>(c) };
            benchmark::DoNotOptimize(s.SummaryBytes());
        }
    }
}
BENCHMARK(BM_BuildSummaries)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shared.reset();
    return 0;
}
