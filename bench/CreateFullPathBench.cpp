// CreateFullPath on six levels: all present (a second run over the same list) and all new.
#include "bench/TempPrefix.h"
#include "file/FILE.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

const char* const kExistingPath = "C:\\Keldrano\\daten\\welt\\karten\\nord\\inseln";
const char* const kFreshPath = "C:\\Neu\\daten\\welt\\karten\\nord\\inseln";
const char* const kFreshTop = "Neu";

void BM_CreateFullPathExisting(benchmark::State& state) {
    bench::TempPrefix prefix;
    if (CreateFullPath(kExistingPath) == 0) {
        state.SkipWithError("CreateFullPath failed");
        return;
    }
    for (auto _ : state) {
        if (CreateFullPath(kExistingPath) == 0) {
            state.SkipWithError("CreateFullPath failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_CreateFullPathFresh(benchmark::State& state) {
    bench::TempPrefix prefix;
    const fs::path top = prefix.DriveC() / kFreshTop;
    for (auto _ : state) {
        if (CreateFullPath(kFreshPath) == 0) {
            state.SkipWithError("CreateFullPath failed");
            break;
        }
        state.PauseTiming();
        fs::remove_all(top);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_CreateFullPathExisting)->Unit(benchmark::kMicrosecond);
// Wall time, as for every call that waits on the file system.
BENCHMARK(BM_CreateFullPathFresh)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
