// Laying out the status label's text: the program's longest fixed status text, and a long
// text that wraps into many lines.
#include "vcl/TextLayout.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

// The status label: 709 px wide, a bold font of 7 px per byte.
constexpr int kLabelWidth = 709;
constexpr int kCharWidth = 7;
constexpr std::size_t kLongTextSize = 5'000;

// The label's text at start (longer than any message the run shows, file names aside).
const AnsiString kWelcomeText =
    "Willkommen beim Installationsprogramm. Dieses Programm installiert einige Ordner und "
    "Dateien. Deren Namen erfahren Sie, wenn Sie die Inforamtionsdateien (Inst*.inf) in einer "
    "Textverarbeitung \xF6"
    "ffnen. Klicken Sie zum Starten der Installation auf [Start].";

// Words of varied length with a line break now and then, cut to exactly `size` bytes.
AnsiString LongText(std::size_t size) {
    const char* const words[] = {"Verschiebe",
                                 "Datei",
                                 "nach",
                                 "C:\\Keldrano\\bin",
                                 "Ordner",
                                 "die",
                                 "Installationsverzeichnis"};
    constexpr std::size_t kWordsPerBreak = 23;
    AnsiString text;
    for (std::size_t i = 0; text.size() < size; ++i) {
        text += words[i % std::size(words)];
        text += (i + 1) % kWordsPerBreak == 0 ? "\r\n" : " ";
    }
    text.resize(size);
    return text;
}

int Measure(const AnsiString& s) {
    return static_cast<int>(s.size()) * kCharWidth;
}

void RunLayout(benchmark::State& state, const AnsiString& text) {
    vcl::TTextLayoutOptions options;
    options.Width = kLabelWidth;
    options.WordWrap = true;
    options.ExpandTabs = true;
    options.TabWidth = vcl::kTabStopChars * kCharWidth;
    for (auto _ : state) {
        auto lines = vcl::LayoutText(text, options, Measure);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.SetItemsProcessed(state.iterations());
}

void BM_LayoutWelcomeText(benchmark::State& state) {
    RunLayout(state, kWelcomeText);
}

void BM_LayoutLongText(benchmark::State& state) {
    RunLayout(state, LongText(kLongTextSize));
}

BENCHMARK(BM_LayoutWelcomeText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LayoutLongText)->Unit(benchmark::kMicrosecond);

} // namespace
