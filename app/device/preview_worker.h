// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_render.h"

#include <QImage>
#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>

// One finished preview: the settings it was made for, the render, and the
// picture the display would show.
struct DevicePreview {
    ExportSettings settings;
    DeviceRender render;
    QImage shown;   // the render's ShownPixels, one QImage pixel a picture pixel
};

// Renders previews off the interface thread. At most one render runs; a
// request made meanwhile waits, and only the newest waiting one is kept, so
// quick changes never queue up work. A result that is no longer the newest
// request's is dropped.
class CPreviewWorker : public QObject {
    Q_OBJECT
public:
    // The picture is copied: the document may change while a render runs.
    CPreviewWorker(const CapturedPicture& source, QObject* pParent = nullptr);
    ~CPreviewWorker() override;

    void Request(const DeviceChoices& choices);

    // True while a render runs or waits.
    bool Busy() const { return m_bRunning || m_pending.has_value(); }

    // The preview of the latest request, once it is ready; null before.
    std::shared_ptr<const DevicePreview> Latest() const { return m_pLatest; }

    // The latest preview when it was made for exactly these choices' export; null otherwise.
    std::shared_ptr<const DevicePreview> LatestFor(const DeviceChoices& choices) const;

signals:
    void Ready();

private:
    void Start(const DeviceChoices& choices);
    void Finished(std::uint64_t nGeneration, std::shared_ptr<const DevicePreview> pPreview);

    std::shared_ptr<const PictureBuffer> m_pSource;
    Thresholds m_thresholds;
    std::uint64_t m_nGeneration = 0;
    bool m_bRunning = false;
    std::optional<DeviceChoices> m_pending;
    std::shared_ptr<const DevicePreview> m_pLatest;
    std::shared_ptr<bool> m_pAlive;
};

// The picture a render shows, one pixel a picture pixel.
QImage ShownImage(const DeviceRender& render);

// The preview of the choices, made where it is called.
std::shared_ptr<const DevicePreview> MakePreview(const CapturedPicture& source, const DeviceChoices& choices);
