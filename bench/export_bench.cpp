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

std::string ExportBenchmarkName(const std::string& format, ColorMode mode)
{
    return "tovix-export/" + (format == "bytes" ? format : "FORMAT_" + format) + "/2048x1024/mode:" + bench::ModeName(mode);
}

void RegisterExportBenchmarks()
{
    benchmark::RegisterBenchmark("xxd -i/2048x1024", RunCommand,
                                 "xxd -i " + bench::StorePixelsPath() + " > " + bench::ScratchPath("out.xxd"))
        ->Unit(benchmark::kMillisecond);
    for (const std::string format : bench::kExportFormats) {
        for (ColorMode mode : bench::kAllModes) {
            const std::string command = std::string(TOVIX_EXPORT_BIN) + " -f " + format + " -m " +
                                        bench::ModeName(mode) + " --force -o " + bench::ScratchPath("out.c") + " " +
                                        bench::StoreBmpPath();
            benchmark::RegisterBenchmark(ExportBenchmarkName(format, mode).c_str(), RunCommand, command)
                ->Unit(benchmark::kMillisecond);
        }
    }
}
