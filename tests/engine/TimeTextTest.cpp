// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The time text of the clock, the result message and the best times.

#include "engine/TimeText.h"

#include <gtest/gtest.h>

TEST(TimeTextTest, HoursMinutesSecondsWithoutLeadingZeros) {
    EXPECT_EQ(TimeTextOf(0), "0:0:0");
    EXPECT_EQ(TimeTextOf(1), "0:0:1");
    EXPECT_EQ(TimeTextOf(59), "0:0:59");
    EXPECT_EQ(TimeTextOf(60), "0:1:0");
    EXPECT_EQ(TimeTextOf(754), "0:12:34");
    EXPECT_EQ(TimeTextOf(3599), "0:59:59");
    EXPECT_EQ(TimeTextOf(3600), "1:0:0");
    EXPECT_EQ(TimeTextOf(3725), "1:2:5");
    EXPECT_EQ(TimeTextOf(86400), "24:0:0");
    EXPECT_EQ(TimeTextOf(25 * 3600), "25:0:0");
    EXPECT_EQ(TimeTextOf(2147483647), "596523:14:7");
}
