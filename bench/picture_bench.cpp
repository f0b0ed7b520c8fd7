// The picture import against what its decoder alone costs, and tovix-export
// of a PNG against an independent tool turning the same PNG into a C header.
#include "bench/bench_data.h"
#include "core/tovix_doc.h"
#include "picture/picture_import.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageReader>

#include <cstdlib>
#include <map>
#include <memory>

namespace {

// PNG copies of the shared BMP pictures, written once, at Qt's default compression.
const std::string& PngOf(const std::string& bmpPath)
{
    static std::map<std::string, std::string> pngs;
    auto [it, bInserted] = pngs.try_emplace(bmpPath);
    if (bInserted) {
        it->second = bmpPath.substr(0, bmpPath.size() - 4) + ".png";
        QImage(QString::fromStdString(bmpPath)).save(QString::fromStdString(it->second));
    }
    return it->second;
}

void DecodeAlone(benchmark::State& state)
{
    const QString path = QString::fromStdString(PngOf(bench::LargeBmpPath()));
    for (auto _ : state) {
        QImageReader reader(path);
        QImage picture;
        if (!reader.read(&picture)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void ImportPng(benchmark::State& state)
{
    const std::string& path = PngOf(bench::LargeBmpPath());
    auto doc = std::make_unique<CTOVIXDoc>();
    for (auto _ : state) {
        if (!ImportPicture(*doc, path, bench::Dialogs())) state.SkipWithError("import failed");
    }
}

void RunCommand(benchmark::State& state, const std::string& command)
{
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError(("failed: " + command).c_str());
    }
}

} // namespace

void RegisterPictureBenchmarks()
{
    benchmark::RegisterBenchmark("QImageReader::read/4096x4096.png", DecodeAlone)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ImportPicture/4096x4096.png", ImportPng)->Unit(benchmark::kMillisecond);
    const std::string& png = PngOf(bench::StoreBmpPath());
    benchmark::RegisterBenchmark("convert to C header/2048x1024.png", RunCommand,
                                 "convert " + png + " H:" + bench::ScratchPath("convert.h"))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("tovix-export/2048x1024.png", RunCommand,
                                 std::string(TOVIX_EXPORT_BIN) + " --force -o " + bench::ScratchPath("png.c") + " " + png)
        ->Unit(benchmark::kMillisecond);
}
