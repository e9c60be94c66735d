// CopyFileA against a plain overwriting copy: the difference is what the temporary file,
// the two flushes and the rename cost.
#include "bench/TempPrefix.h"
#include "win32/Files.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kMiB = 1 << 20;
constexpr std::int64_t kSmallFile = 1 * kMiB;
constexpr std::int64_t kLargeFile = 64 * kMiB;

const char* const kSourceName = "C:\\Quelle.bin";
const char* const kDestinationName = "C:\\Ziel\\Quelle.bin";

// A source of `size` bytes on drive C: and a destination folder beside it.
struct CopySetup {
    explicit CopySetup(std::int64_t size) {
        bench::WriteFile(Source(), bench::PatternedBytes(static_cast<std::size_t>(size)));
        fs::create_directories(prefix.DriveC() / "Ziel");
    }
    fs::path Source() const { return prefix.DriveC() / "Quelle.bin"; }
    fs::path Destination() const { return prefix.DriveC() / "Ziel" / "Quelle.bin"; }

    bench::TempPrefix prefix;
};

void BM_CopyFileA(benchmark::State& state) {
    CopySetup setup(state.range(0));
    for (auto _ : state) {
        if (!CopyFileA(kSourceName, kDestinationName, FALSE)) {
            state.SkipWithError("CopyFileA failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_StdCopyFile(benchmark::State& state) {
    CopySetup setup(state.range(0));
    const fs::path source = setup.Source();
    const fs::path destination = setup.Destination();
    for (auto _ : state) {
        std::error_code ec;
        fs::copy_file(source, destination, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            state.SkipWithError("std::filesystem::copy_file failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// Wall time: the flushes wait for the disk, which CPU time does not see.
BENCHMARK(BM_CopyFileA)
    ->Arg(kSmallFile)
    ->Arg(kLargeFile)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_StdCopyFile)
    ->Arg(kSmallFile)
    ->Arg(kLargeFile)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
