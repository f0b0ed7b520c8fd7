#pragma once

#include <QIcon>
#include <QPixmap>

namespace res {

// Icon 128: the program.
QIcon MainIcon();

// Icon 129: a TOVIX document.
QIcon DocumentIcon();

inline constexpr QSize kToolbarImageSize{16, 15};

// One of the eight toolbar images of bitmap 128, in button order.
QPixmap ToolbarImage(int nIndex);

inline constexpr QSize kSplashSize{522, 319};

// Bitmap 102: the start-up picture.
QPixmap SplashPicture();

} // namespace res
