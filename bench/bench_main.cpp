// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_data.h"
#include "bench/ratio_table.h"
#include "core/bmp_import.h"
#include "core/dither.h"
#include "core/file_ptr.h"
#include "core/tovix_doc.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <unistd.h>

#ifdef TOVIX_BENCH_PAINT
#include <QGuiApplication>
#endif

void RegisterCoreBenchmarks();
void RegisterExportBenchmarks();
void RegisterPictureBenchmarks();
void RegisterPixelFormatBenchmarks();
#ifdef TOVIX_BENCH_PAINT
void RegisterPaintBenchmarks();
void RegisterPreviewBenchmarks();
std::string PreviewBenchmarkName(int nWidth, int nHeight, const std::string& format);
#endif
std::string ExportBenchmarkName(const std::string& format, ColorMode mode);
std::string DitherBenchmarkName(const std::string& format, DitherMethod method);
namespace bench {
void ReportQualityTable();
}
std::vector<std::pair<std::string, ColorMode>> TargetRuns();
std::string TargetBenchmarkName(const std::string& options, ColorMode mode);

namespace {

std::vector<RatioGoal> Goals()
{
    std::vector<RatioGoal> goals;
    for (ColorMode mode : bench::kAllModes) {
        goals.push_back({"ReduceColors/4096x4096/mode:" + bench::ModeName(mode), "memcpy/48MiB", 3.0,
                         "at most 3 x the copy"});
    }
    goals.push_back({"ImportBmp/4096x4096.bmp", "read/4096x4096.bmp", 3.0, "at most 3 x the read"});
    for (const char* format : bench::kExportFormats) {
        for (ColorMode mode : bench::kAllModes)
            goals.push_back({ExportBenchmarkName(format, mode), "xxd -i/2048x1024", 0.2, "at least 5 x faster"});
    }
    for (const auto& [options, mode] : TargetRuns())
        goals.push_back({TargetBenchmarkName(options, mode), "xxd -i/2048x1024", 0.2, "at least 5 x faster"});
    for (const char* picture : {"4096x4096.png", "4096x4096.jpg"})
        goals.push_back({std::string("ImportPicture/") + picture, std::string("QImageReader::read/") + picture, 1.0,
                         "at most 1.0 x Qt's reading"});
    goals.push_back({"libspng decode/4096x4096.png", "libpng decode/4096x4096.png", 1.0, "at most 1.0 x libpng"});
    goals.push_back({"tovix-export -f bytes/64x64.png", "/bin/true", 3.0, "at most 3 x a start"});
    goals.push_back({"tovix-export/2048x1024.png", "convert to C header/2048x1024.png", 1.0 / 3,
                     "at least 3 x faster"});
    goals.push_back({"save+open/2048x1024.tvx", "write+read/2048x1024.tvx", 2.0, "at most 2 x"});
    goals.push_back({"save+open/2048x1024.tvx", "write+fsync+read/2048x1024.tvx", 2.0, "at most 2 x"});
    for (int nZoom : {20, 100, 1000})
        goals.push_back({"paint/1920x1080 of 4096x4096/zoom:" + std::to_string(nZoom), "", 10.0, "under 10 ms"});
    goals.push_back({"colour mode switch+paint/4096x4096", "", 100.0, "under 100 ms"});
#ifdef TOVIX_BENCH_PAINT
    // The device-export dialog's preview follows a change within these.
    for (const char* format : {"565 floyd-steinberg", "mono floyd-steinberg"}) {
        goals.push_back({PreviewBenchmarkName(320, 240, format), "", 100.0, "under 100 ms"});
        goals.push_back({PreviewBenchmarkName(4096, 4096, format), "", 1000.0, "under 1 s"});
    }
    goals.push_back({PreviewBenchmarkName(320, 240, "lvgl9 565 floyd-steinberg"), "", 100.0, "under 100 ms"});
#endif
    for (const char* format : {"565", "grey4", "mono"}) {
        goals.push_back({DitherBenchmarkName(format, DitherMethod::Ordered), "memcpy/2048x1024", 3.0,
                         "at most 3 x the copy"});
        for (DitherMethod method : {DitherMethod::FloydSteinberg, DitherMethod::Atkinson})
            goals.push_back({DitherBenchmarkName(format, method), "memcpy/2048x1024", 10.0, "at most 10 x the copy"});
    }
    goals.push_back({"libimagequant 16 colours/2048x1024", "", 100.0, "under 100 ms"});
    goals.push_back({"resize area/4096x4096 to 128x64", "", 50.0, "under 50 ms"});
    return goals;
}

// Resident memory of this process in MiB.
double ResidentMiB()
{
    long nPages = 0, nResident = 0;
    const FilePtr file = OpenFile("/proc/self/statm", "r");
    if (!file) return 0;
    if (std::fscanf(file.get(), "%ld %ld", &nPages, &nResident) != 2) nResident = 0;
    return static_cast<double>(nResident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// What opening a 4096 x 4096 picture adds to the resident memory: its two
// copies (96 MiB) and the document's pixel store (8 MiB) at the most.
void ReportOpeningMemory()
{
    const double dBefore = ResidentMiB();
    auto doc = std::make_unique<CTOVIXDoc>();
    const bool bImported = ImportBmp(*doc, bench::LargeBmpPath(), bench::Dialogs());
    const double dRise = ResidentMiB() - dBefore;
    std::printf("\n| figure | resident memory added | goal | met |\n|---|---:|---|---|\n");
    std::printf("| open 4096x4096 picture | %.1f MiB | at most 110 MiB | %s |\n", dRise,
                bImported && dRise <= 110.0 ? "yes" : "NO");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    bench::CreateData();
    ReportOpeningMemory();
    bench::ReportQualityTable();
    RegisterCoreBenchmarks();
    RegisterExportBenchmarks();
    RegisterPictureBenchmarks();
    RegisterPixelFormatBenchmarks();
#ifdef TOVIX_BENCH_PAINT
    // Painting goes through Qt's raster engine, which needs an application object.
    static char arg0[] = "tovix_bench";
    static char* args[] = {arg0, nullptr};
    static int nArgs = 1;
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    static QGuiApplication app(nArgs, args);
    RegisterPaintBenchmarks();
    RegisterPreviewBenchmarks();
#endif
    RatioTableReporter reporter(Goals());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    bench::RemoveData();
    return 0;
}
