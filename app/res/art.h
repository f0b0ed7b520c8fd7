// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace res {

// The program's icon.
QIcon MainIcon();

// The icon of a TOVIX document.
QIcon DocumentIcon();

inline constexpr QSize kToolbarImageSize{16, 15};

// One of the eight toolbar images, in button order.
QPixmap ToolbarImage(int nIndex);

inline constexpr QSize kSplashSize{522, 319};

// The start-up picture.
QPixmap SplashPicture();

} // namespace res
