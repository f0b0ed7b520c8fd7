// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_data.h"
#include "core/bmp_import.h"
#include "core/document_file.h"
#include "core/file_ptr.h"
#include "core/tovix_doc.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

void Memcpy48MiB(benchmark::State& state)
{
    const std::size_t nBytes = std::size_t{4096} * 4096 * 3;
    std::vector<std::uint8_t> from(nBytes, 1), to(nBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), nBytes);
        benchmark::ClobberMemory();
    }
}

void ReduceColors4096(benchmark::State& state, ColorMode mode)
{
    UserDialogs& dialogs = bench::Dialogs();
    auto doc = std::make_unique<CTOVIXDoc>();
    if (!ImportBmp(*doc, bench::LargeBmpPath(), dialogs)) state.SkipWithError("import failed");
    for (auto _ : state) {
        doc->m_image.ReduceColors(mode, {160, 128, 100});
        benchmark::ClobberMemory();
    }
}

std::vector<std::uint8_t> ReadWhole(const std::string& path)
{
    const FilePtr file = OpenFile(path, "rb");
    std::fseek(file.get(), 0, SEEK_END);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::ftell(file.get())));
    std::fseek(file.get(), 0, SEEK_SET);
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) bytes.clear();
    return bytes;
}

void ReadFile4096(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ReadWhole(bench::LargeBmpPath()).data());
}

void ImportBmp4096(benchmark::State& state)
{
    UserDialogs& dialogs = bench::Dialogs();
    auto doc = std::make_unique<CTOVIXDoc>();
    for (auto _ : state) {
        if (!ImportBmp(*doc, bench::LargeBmpPath(), dialogs)) state.SkipWithError("import failed");
    }
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes, bool bSync)
{
    const FilePtr file = OpenFile(path, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::fflush(file.get());
    if (bSync) fsync(fileno(file.get()));
}

// The baselines of a save and an open: the document's bytes written and
// read back, plainly, or with the flush to disk a save does so that a crash
// right after it keeps the document.
void WriteReadDocumentBytes(benchmark::State& state, bool bSync)
{
    const std::vector<std::uint8_t> bytes = ReadWhole(bench::DocumentPath());
    const std::string path = bench::ScratchPath("plain.bin");
    for (auto _ : state) {
        WriteBytes(path, bytes, bSync);
        benchmark::DoNotOptimize(ReadWhole(path).data());
    }
}

void SaveOpenDocument(benchmark::State& state)
{
    UserDialogs& dialogs = bench::Dialogs();
    auto doc = std::make_unique<CTOVIXDoc>();
    if (!ReadDocumentFile(*doc, bench::DocumentPath(), dialogs)) state.SkipWithError("open failed");
    const std::string path = bench::ScratchPath("saved.tvx");
    for (auto _ : state) {
        if (!WriteDocumentFile(*doc, path, dialogs)) state.SkipWithError("save failed");
        auto opened = std::make_unique<CTOVIXDoc>();
        if (!ReadDocumentFile(*opened, path, dialogs)) state.SkipWithError("open failed");
    }
}

} // namespace

void RegisterCoreBenchmarks()
{
    benchmark::RegisterBenchmark("memcpy/48MiB", Memcpy48MiB)->Unit(benchmark::kMillisecond);
    for (ColorMode mode : bench::kAllModes) {
        benchmark::RegisterBenchmark(("ReduceColors/4096x4096/mode:" + bench::ModeName(mode)).c_str(),
                                     ReduceColors4096, mode)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("read/4096x4096.bmp", ReadFile4096)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ImportBmp/4096x4096.bmp", ImportBmp4096)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("write+read/2048x1024.tvx", WriteReadDocumentBytes, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("write+fsync+read/2048x1024.tvx", WriteReadDocumentBytes, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("save+open/2048x1024.tvx", SaveOpenDocument)->Unit(benchmark::kMillisecond);
}
