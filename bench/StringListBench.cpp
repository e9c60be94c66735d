// Loading a long list file, as the program loads InstDir.inf and InstFile.inf.
#include "bench/TempPrefix.h"
#include "vcl/StringList.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

constexpr int kLines = 100'000;
const char* const kListName = "C:\\InstFile.inf";

// Lines shaped like the program's file list: a Windows path of a few dozen bytes.
std::string ListText() {
    std::string text;
    for (int i = 0; i < kLines; ++i)
        text += "C:\\Keldrano\\daten\\welt\\karte" + std::to_string(i) + ".dat\r\n";
    return text;
}

void BM_StringListLoadFromFile(benchmark::State& state) {
    bench::TempPrefix prefix;
    const std::string text = ListText();
    bench::WriteFile(prefix.DriveC() / "InstFile.inf", text);
    TStringList list;
    try {
        for (auto _ : state) {
            list.LoadFromFile(kListName);
            benchmark::DoNotOptimize(list.Count());
        }
    } catch (const Exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    if (list.Count() != kLines)
        state.SkipWithError("wrong number of lines");
    state.SetItemsProcessed(state.iterations() * kLines);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_StringListLoadFromFile)->Unit(benchmark::kMillisecond);

} // namespace
