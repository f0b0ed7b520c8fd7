// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/temp_dir.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The program's tests need a QApplication but no display, and must not
// touch the user's settings.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const testing_support::TempDir config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tovix-tests"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
