# SPDX-License-Identifier: GPL-3.0-or-later
# find_package(Tovix) gives the imported executable Tovix::tovix-export and
# the function tovix_add_pixel_data().
include("${CMAKE_CURRENT_LIST_DIR}/TovixTargets.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/TovixPixelData.cmake")
