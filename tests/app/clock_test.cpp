// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/clock_text.h"
#include "app/res/strings.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using namespace testing_support;

namespace {

std::time_t LocalTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    std::tm tm{};
    tm.tm_year = nYear - 1900;
    tm.tm_mon = nMonth - 1;
    tm.tm_mday = nDay;
    tm.tm_hour = nHour;
    tm.tm_min = nMinute;
    tm.tm_sec = nSecond;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

TEST(ClockText, DateAndTimeFormats)
{
    struct Case {
        std::time_t when;
        const char* date;
        const char* time;
    } const cases[] = {
        {LocalTime(2026, 12, 6, 13, 30, 15), "26/12/06", "13:30:15 "},
        {LocalTime(2001, 2, 3, 4, 5, 6), "01/02/03", "04:05:06 "},
        {LocalTime(1999, 12, 31, 23, 59, 59), "99/12/31", "23:59:59 "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatLocalTime(res::str::kDateFormat, c.when), QString::fromLatin1(c.date));
        EXPECT_EQ(FormatLocalTime(res::str::kTimeFormat, c.when), QString::fromLatin1(c.time));
    }
}

TEST_F(AppTest, ClockPanesShowTheDateAndTimeFromTheStartAsWideAsTheirText)
{
    QLabel* pDate = Frame().Pane(Frame().m_nDatePane);
    QLabel* pTime = Frame().Pane(Frame().m_nTimePane);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d\\d$")).match(pDate->text()).hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d $")).match(pTime->text()).hasMatch());
    const int nTextWidth = pTime->fontMetrics().horizontalAdvance(pTime->text());
    EXPECT_GE(pTime->width(), nTextWidth);
    EXPECT_LE(pTime->width(), nTextWidth + 12);

    // The frame's own timer refreshes them, here more often than every second.
    Frame().SetClockInterval(10);
    pDate->clear();
    pTime->clear();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !pDate->text().isEmpty() && !pTime->text().isEmpty(); }, 2500));
}

} // namespace
