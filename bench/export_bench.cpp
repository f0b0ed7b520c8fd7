#include "bench/bench_data.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Whole processes, start-up included, as a build script runs them.
void RunCommand(benchmark::State& state, const std::string& command)
{
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError(("failed: " + command).c_str());
    }
}

} // namespace

std::string ExportBenchmarkName(int nFormat, ColorMode mode)
{
    return "tovix-export/FORMAT_" + std::to_string(nFormat) + "/2048x1024/mode:" + bench::ModeName(mode);
}

void RegisterExportBenchmarks()
{
    benchmark::RegisterBenchmark("xxd -i/2048x1024", RunCommand,
                                 "xxd -i " + bench::StorePixelsPath() + " > " + bench::ScratchPath("out.xxd"))
        ->Unit(benchmark::kMillisecond);
    for (int nFormat : {1, 2}) {
        for (ColorMode mode : bench::kAllModes) {
            const std::string command = std::string(TOVIX_EXPORT_BIN) + " -f " + std::to_string(nFormat) + " -m " +
                                        bench::ModeName(mode) + " --force -o " + bench::ScratchPath("out.c") + " " +
                                        bench::StoreBmpPath();
            benchmark::RegisterBenchmark(ExportBenchmarkName(nFormat, mode).c_str(), RunCommand, command)
                ->Unit(benchmark::kMillisecond);
        }
    }
}
