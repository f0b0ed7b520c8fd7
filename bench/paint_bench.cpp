// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dib_painter.h"
#include "bench/bench_data.h"
#include "core/bmp_import.h"
#include "core/tovix_doc.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

namespace {

// A full-HD window onto the middle of the picture at the magnification.
void PaintViewport(benchmark::State& state, int nZoom, bool bSwitchMode)
{
    auto doc = std::make_unique<CTOVIXDoc>();
    if (!ImportBmp(*doc, bench::LargeBmpPath(), bench::Dialogs())) state.SkipWithError("import failed");
    QImage target(1920, 1080, QImage::Format_RGB32);
    const QSize scaled = ScaledSize({4096, 4096}, nZoom);
    const QRect exposed(QPoint(std::max(0, (scaled.width() - 1920) / 2), std::max(0, (scaled.height() - 1080) / 2)),
                        target.size());
    const ColorMode modes[] = {ColorMode::Mono, ColorMode::Colors64};
    int nSwitch = 0;
    for (auto _ : state) {
        if (bSwitchMode) {
            doc->m_nColorMode = modes[nSwitch++ % 2];
            doc->m_image.ReduceColors(doc->m_nColorMode, {128, 128, 128});
        }
        QPainter painter(&target);
        painter.translate(-exposed.topLeft());
        DrawDib(painter, doc->m_image, nZoom, exposed);
    }
}

} // namespace

void RegisterPaintBenchmarks()
{
    for (int nZoom : {20, 100, 1000}) {
        benchmark::RegisterBenchmark(("paint/1920x1080 of 4096x4096/zoom:" + std::to_string(nZoom)).c_str(),
                                     PaintViewport, nZoom, false)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("colour mode switch+paint/4096x4096", PaintViewport, 100, true)
        ->Unit(benchmark::kMillisecond);
}
