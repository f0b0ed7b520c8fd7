// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_data.h"
#include "bench/child_process.h"
#include "core/pixel_format.h"
#include "export/export_format.h"

#include <fstream>

std::string ExportBenchmarkName(const std::string& format, ColorMode mode)
{
    return "tovix-export/" + (format == "bytes" ? format : "FORMAT_" + format) + "/2048x1024/mode:" + bench::ModeName(mode);
}

// "--for TARGET" or "-f bin --for TARGET", and the mode, of every display
// target the output-format table holds.
std::vector<std::pair<std::string, ColorMode>> TargetRuns()
{
    std::vector<std::pair<std::string, ColorMode>> runs;
    for (const OutputFormat& format : OutputFormats()) {
        if (format.pszTarget == nullptr) continue;
        const std::string options = std::string(format.pszName) == "bin" ? std::string("-f bin --for ") + format.pszTarget
                                                                          : std::string("--for ") + format.pszTarget;
        // LVGL 8 holds at most 2047 pixels a side, and refuses the bench's picture.
        for (const PixelFormat& pixel : PixelFormats()) {
            const CapturedPicture picture{2048, 1024, pixel.mode, {128, 128, 128}, {}, {}};
            if (format.TakesMode(pixel.mode) && !RefusalFor(format, picture)) runs.emplace_back(options, pixel.mode);
        }
    }
    return runs;
}

std::string TargetBenchmarkName(const std::string& options, ColorMode mode)
{
    return "tovix-export " + options + "/2048x1024/mode:" + bench::ModeName(mode);
}

void RegisterExportBenchmarks()
{
    RegisterProcessBenchmark("xxd -i/2048x1024", "xxd -i " + bench::StorePixelsPath() + " " + bench::ScratchPath("out.xxd"));
    for (const std::string format : bench::kExportFormats) {
        for (ColorMode mode : bench::kAllModes) {
            const std::string command = std::string(TOVIX_EXPORT_BIN) + " -f " + format + " -m " +
                                        bench::ModeName(mode) + " --force -o " + bench::ScratchPath("out.c") + " " +
                                        bench::StoreBmpPath();
            RegisterProcessBenchmark(ExportBenchmarkName(format, mode), command);
        }
    }
    // Choosing a palette has a goal of its own: indexed targets take a given one.
    const std::string palette = bench::ScratchPath("palette.txt");
    std::ofstream(palette) << "#000000\n#ffffff\n";
    for (const auto& [options, mode] : TargetRuns()) {
        const std::string given = FindPixelFormat(mode)->UsesPalette() ? " --palette " + palette : std::string();
        const std::string command = std::string(TOVIX_EXPORT_BIN) + " " + options + " -m " + bench::ModeName(mode) + given +
                                    " --force -o " + bench::ScratchPath("out.target") + " " + bench::StoreBmpPath();
        RegisterProcessBenchmark(TargetBenchmarkName(options, mode), command);
    }
}
