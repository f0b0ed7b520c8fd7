# SPDX-License-Identifier: GPL-3.0-or-later
# CMake's basic version file tests if("TRUE"), which warns about policy
# CMP0012 in a project that sets no policies; here it runs with the policy set.
cmake_policy(PUSH)
cmake_policy(SET CMP0012 NEW)
include("${CMAKE_CURRENT_LIST_DIR}/TovixBasicConfigVersion.cmake")
cmake_policy(POP)
