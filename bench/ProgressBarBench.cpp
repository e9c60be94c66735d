// The progress bar's position write on the headless backend: clamp, paint the whole bar,
// flush. The program does this once for every folder and every file.
#include "controls/TProgressBarEx.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/backends/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The bar as the program's window lays it out.
constexpr int kBarWidth = 788;
constexpr int kBarHeight = 20;
constexpr int kMax = 100;
// The headless journal records every drawn text; emptied now and then so it stays small.
constexpr std::size_t kJournalLimit = 4096;

// A headless backend and an application for as long as the benchmark runs.
class HeadlessPlatform {
public:
    HeadlessPlatform()
        : backend_(&vcl::headless::InstallHeadlessBackend()),
          application_(std::make_unique<TApplication>(nullptr)) {
        Application = application_.get();
    }
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;
    ~HeadlessPlatform() {
        Application = nullptr;
        application_.reset();
        vcl::RemoveBackend();
    }
    vcl::headless::THeadlessBackend& Backend() { return *backend_; }

private:
    vcl::headless::THeadlessBackend* backend_;
    std::unique_ptr<TApplication> application_;
};

void BM_ProgressBarSetPosition(benchmark::State& state) {
    HeadlessPlatform platform;
    auto form = std::make_unique<TForm>(nullptr);
    form->SetClientWidth(kBarWidth);
    form->SetClientHeight(kBarHeight);
    form->Font()->SetStyle(fsBold);
    auto* bar = new TProgressBarEx(form.get()); // owned by the form
    bar->SetParent(form.get());
    bar->SetBounds(0, 0, kBarWidth, kBarHeight);
    bar->SetMax(kMax);
    bar->SetCaption("Fortschritt");
    form->Show();
    platform.Backend().ProcessPending();

    int position = 0;
    for (auto _ : state) {
        // One past the maximum now and then, so the clamp is taken too.
        bar->SetPosition(position);
        position = position > kMax ? 0 : position + 1;
        if (platform.Backend().Journal.size() > kJournalLimit)
            platform.Backend().Journal.clear();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_BarRightEdge(benchmark::State& state) {
    int position = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BarRightEdge(kBarWidth, kMax, position));
        position = position == kMax ? 0 : position + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_ProgressBarSetPosition)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BarRightEdge);

} // namespace
