// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/format_label.h"

#include "app/res/device_strings.h"
#include "core/pixel_format.h"

QString PixelFormatLabel(const PixelFormat& format)
{
    return QStringLiteral("%1 (%2%3)")
        .arg(QString::fromUtf8(format.pszName))
        .arg(format.nStorageBits)
        .arg(QString::fromUtf8(res::str::device::kBits));
}
