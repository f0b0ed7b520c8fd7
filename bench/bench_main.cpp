#include "bench_data.h"
#include "ratio_table.h"

#include <benchmark/benchmark.h>

void RegisterCoreBenchmarks();
void RegisterExportBenchmarks();
std::string ExportBenchmarkName(int nFormat, ColorMode mode);

namespace {

std::vector<RatioGoal> Goals()
{
    std::vector<RatioGoal> goals;
    for (ColorMode mode : bench::kAllModes) {
        goals.push_back({"ReduceColors/4096x4096/mode:" + bench::ModeName(mode), "memcpy/48MiB", 3.0,
                         "at most 3 x the copy"});
    }
    goals.push_back({"ImportBmp/4096x4096.bmp", "read/4096x4096.bmp", 3.0, "at most 3 x the read"});
    for (int nFormat : {1, 2}) {
        for (ColorMode mode : bench::kAllModes)
            goals.push_back({ExportBenchmarkName(nFormat, mode), "xxd -i/2048x1024", 0.2, "at least 5 x faster"});
    }
    goals.push_back({"save+open/2048x1024.tvx", "write+read/2048x1024.tvx", 2.0, "at most 2 x"});
    goals.push_back({"save+open/2048x1024.tvx", "write+fsync+read/2048x1024.tvx", 2.0, "at most 2 x"});
    return goals;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    bench::CreateData();
    RegisterCoreBenchmarks();
    RegisterExportBenchmarks();
    RatioTableReporter reporter(Goals());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    bench::RemoveData();
    return 0;
}
