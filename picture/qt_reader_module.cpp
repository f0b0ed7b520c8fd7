// SPDX-License-Identifier: GPL-3.0-or-later
// The module tovix-export loads when a picture needs one of Qt's readers.
#include "picture/qt_picture.h"

#include <QtGlobal>

extern "C" __attribute__((visibility("default"))) PictureFault TovixReadWithQt(const std::uint8_t* pData, std::size_t nSize,
                                                                               const char* pFormatHint,
                                                                               const PictureLimits* pLimits, QtPicture* pPicture)
{
    // Readers' own diagnostics would break the one "tovix-export: PATH: TEXT"
    // line per message; what they found is reported by the import.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return ReadWithQt({pData, nSize}, pFormatHint, *pLimits, *pPicture);
}
