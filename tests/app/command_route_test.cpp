// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/framework/cmd_target.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class Target : public CCmdTarget {
public:
    using CCmdTarget::OnCommand;
};

} // namespace

TEST(CommandRouteTest, WhatAHandlerThrowsIsReportedAndStopsTheRoute)
{
    Target thrower;
    Target next;
    bool bNextRan = false;
    thrower.OnCommand(1, [] { throw std::bad_alloc(); });
    thrower.OnCommand(2, [] { throw std::runtime_error("disk"); });
    next.OnCommand(1, [&] { bNextRan = true; });
    const CCmdTarget* const targets[] = {&thrower, &next};
    std::vector<std::string> reported;
    const auto report = [&](const std::exception& e) { reported.emplace_back(e.what()); };

    EXPECT_TRUE(RouteCommand(targets, 1, report));
    EXPECT_TRUE(RouteCommand(targets, 2, report));
    EXPECT_FALSE(bNextRan);
    EXPECT_EQ(reported, (std::vector<std::string>{std::bad_alloc().what(), "disk"}));
}
