// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/preview_worker.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThreadPool>

QImage ShownImage(const DeviceRender& render)
{
    const PictureBuffer& picture = render.picture;
    // The pixels go to the image as they are, 0x00BBGGRR being R, G, B, X in
    // memory; X must be opaque. Rows of 4-byte pixels have no padding.
    QImage shown(picture.nWidth, picture.nHeight, QImage::Format_RGBX8888);
    if (shown.isNull() || picture.values.empty()) return shown;
    render.ShownPixels({reinterpret_cast<std::uint32_t*>(shown.bits()), picture.values.size()}, 0xFF000000);
    return shown;
}

std::shared_ptr<const DevicePreview> MakePreview(const CapturedPicture& source, const DeviceChoices& choices)
{
    auto pPreview = std::make_shared<DevicePreview>();
    pPreview->settings = choices.settings;
    pPreview->render = RenderForDevice(source, choices);
    pPreview->shown = ShownImage(pPreview->render);
    return pPreview;
}

namespace {

PictureBuffer CopyOf(const CapturedPicture& source)
{
    PictureBuffer copy;
    copy.nWidth = source.nWidth;
    copy.nHeight = source.nHeight;
    copy.mode = source.mode;
    copy.pixels.assign(source.pixels.begin(), source.pixels.end());
    return copy;
}

} // namespace

CPreviewWorker::CPreviewWorker(const CapturedPicture& source, QObject* pParent)
    : QObject(pParent),
      m_pSource(std::make_shared<PictureBuffer>(CopyOf(source))),
      m_thresholds(source.thresholds),
      m_pAlive(std::make_shared<bool>(true))
{
}

CPreviewWorker::~CPreviewWorker()
{
    // A render still running finds out here that nobody waits for it.
    *m_pAlive = false;
}

std::shared_ptr<const DevicePreview> CPreviewWorker::LatestFor(const DeviceChoices& choices) const
{
    return m_pLatest && m_pLatest->settings == choices.settings ? m_pLatest : nullptr;
}

void CPreviewWorker::Request(const DeviceChoices& choices)
{
    ++m_nGeneration;
    if (m_bRunning) {
        m_pending = choices;
        return;
    }
    Start(choices);
}

void CPreviewWorker::Start(const DeviceChoices& choices)
{
    m_bRunning = true;
    const std::uint64_t nGeneration = m_nGeneration;
    QThreadPool::globalInstance()->start([this, choices, nGeneration, pSource = m_pSource, thresholds = m_thresholds,
                                          pAlive = m_pAlive] {
        CapturedPicture source = pSource->View();
        source.thresholds = thresholds;
        std::shared_ptr<const DevicePreview> pPreview = MakePreview(source, choices);
        // Queued to the interface thread, where the flag is read and cleared.
        QMetaObject::invokeMethod(
            qApp, [this, nGeneration, pPreview, pAlive] {
                if (*pAlive) Finished(nGeneration, pPreview);
            },
            Qt::QueuedConnection);
    });
}

void CPreviewWorker::Finished(std::uint64_t nGeneration, std::shared_ptr<const DevicePreview> pPreview)
{
    m_bRunning = false;
    if (m_pending) {
        const DeviceChoices next = *m_pending;
        m_pending.reset();
        Start(next);
        return;
    }
    if (nGeneration != m_nGeneration) return;
    m_pLatest = std::move(pPreview);
    emit Ready();
}
