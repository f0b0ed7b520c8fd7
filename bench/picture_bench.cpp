// SPDX-License-Identifier: GPL-3.0-or-later
// The picture import against reading the same file through Qt, the PNG
// decoder it uses against the other one, tovix-export of a PNG against an
// independent tool turning the same PNG into a C header, and the start of
// tovix-export for a small picture against starting a program that does nothing.
#include "bench/bench_data.h"
#include "core/tovix_doc.h"
#include "picture/picture_import.h"

#include <benchmark/benchmark.h>

#include <png.h>
#include <spng.h>

#include <QImage>
#include <QImageReader>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <vector>

namespace {

// Copies of the shared BMP pictures in another format, written once, at
// Qt's default settings.
const std::string& CopyOf(const std::string& bmpPath, const char* extension)
{
    static std::map<std::string, std::string> copies;
    const std::string path = bmpPath.substr(0, bmpPath.size() - 4) + extension;
    auto [it, bInserted] = copies.try_emplace(path, path);
    if (bInserted) QImage(QString::fromStdString(bmpPath)).save(QString::fromStdString(path));
    return it->second;
}

const std::string& SmallPng()
{
    static const std::string path = [] {
        const std::string p = bench::ScratchPath("icon64.png");
        QImage(QString::fromStdString(bench::LargeBmpPath())).copy(0, 0, 64, 64).save(QString::fromStdString(p));
        return p;
    }();
    return path;
}

std::vector<unsigned char> Bytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void QtRead(benchmark::State& state, const char* extension)
{
    const QString path = QString::fromStdString(CopyOf(bench::LargeBmpPath(), extension));
    for (auto _ : state) {
        QImageReader reader(path);
        QImage picture;
        if (!reader.read(&picture)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void Import(benchmark::State& state, const char* extension)
{
    const std::string& path = CopyOf(bench::LargeBmpPath(), extension);
    auto doc = std::make_unique<CTOVIXDoc>();
    for (auto _ : state) {
        if (!ImportPicture(*doc, path, bench::Dialogs())) state.SkipWithError("import failed");
    }
}

void SpngDecode(benchmark::State& state)
{
    const std::vector<unsigned char> file = Bytes(CopyOf(bench::LargeBmpPath(), ".png"));
    for (auto _ : state) {
        spng_ctx* ctx = spng_ctx_new(0);
        spng_set_png_buffer(ctx, file.data(), file.size());
        std::size_t nSize = 0;
        spng_decoded_image_size(ctx, SPNG_FMT_RGB8, &nSize);
        std::vector<unsigned char> pixels(nSize);
        if (spng_decode_image(ctx, pixels.data(), nSize, SPNG_FMT_RGB8, 0)) state.SkipWithError("decode failed");
        spng_ctx_free(ctx);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void LibpngDecode(benchmark::State& state)
{
    const std::vector<unsigned char> file = Bytes(CopyOf(bench::LargeBmpPath(), ".png"));
    for (auto _ : state) {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        png_image_begin_read_from_memory(&image, file.data(), file.size());
        image.format = PNG_FORMAT_RGB;
        std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
        if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(pixels.data());
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
    for (const char* extension : {".png", ".jpg"}) {
        const std::string name = std::string("4096x4096") + extension;
        benchmark::RegisterBenchmark(("QImageReader::read/" + name).c_str(), QtRead, extension)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ImportPicture/" + name).c_str(), Import, extension)->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("libspng decode/4096x4096.png", SpngDecode)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("libpng decode/4096x4096.png", LibpngDecode)->Unit(benchmark::kMillisecond);
    const std::string& png = CopyOf(bench::StoreBmpPath(), ".png");
    benchmark::RegisterBenchmark("convert to C header/2048x1024.png", RunCommand,
                                 "convert " + png + " H:" + bench::ScratchPath("convert.h"))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("tovix-export/2048x1024.png", RunCommand,
                                 std::string(TOVIX_EXPORT_BIN) + " --force -o " + bench::ScratchPath("png.c") + " " + png)
        ->Unit(benchmark::kMillisecond);
    // Both through the same shell, so that only the programs differ.
    benchmark::RegisterBenchmark("/bin/true", RunCommand, std::string("/bin/true"))->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("tovix-export -f bytes/64x64.png", RunCommand,
                                 std::string(TOVIX_EXPORT_BIN) + " -f bytes --force -o " + bench::ScratchPath("icon.c") +
                                     " " + SmallPng())
        ->Unit(benchmark::kMillisecond);
    // An animation through libwebp's compositing, which maps no Qt either.
    benchmark::RegisterBenchmark("tovix-export -f bytes --frames/4x1x4.webp", RunCommand,
                                 std::string(TOVIX_EXPORT_BIN) + " -f bytes --frames --force -o " +
                                     bench::ScratchPath("frames.c") + " " TOVIX_ANIMATION)
        ->Unit(benchmark::kMillisecond);
}
