#include <gtest/gtest.h>

#include <QImage>

#include "../Pictures.h"
#include "FrameRing.h"

namespace htmlsim::testing {
namespace {

TEST(FrameRing, APressTakesTheNewestScreenGrabbedBeforeIt) {
    record::FrameRing ring(2);
    EXPECT_FALSE(ring.NewestBefore(10).has_value());
    ring.Add(100, Filled(4, 4, Qt::red));
    ring.Add(150, Filled(4, 4, Qt::red));  // the same screen: the one of time 100 stays the newest
    ring.Add(200, Filled(4, 4, Qt::green));
    EXPECT_EQ(*ring.NewestBefore(150), Filled(4, 4, Qt::red));
    EXPECT_EQ(*ring.NewestBefore(200), Filled(4, 4, Qt::red));  // grabbed at the press: too late
    EXPECT_EQ(*ring.NewestBefore(201), Filled(4, 4, Qt::green));
    // Full: the oldest goes; a press before every screen kept gets the oldest there is.
    ring.Add(300, Filled(4, 4, Qt::blue));
    EXPECT_EQ(*ring.NewestBefore(150), Filled(4, 4, Qt::green));
}

TEST(FrameRing, ServerTimeWrapsAroundAfterFortyNineDays) {
    record::FrameRing ring(4);
    ring.Add(0xFFFFFFF0UL, Filled(4, 4, Qt::red));
    ring.Add(0x00000010UL, Filled(4, 4, Qt::green));
    EXPECT_EQ(*ring.NewestBefore(0x00000005UL), Filled(4, 4, Qt::red));
    EXPECT_EQ(*ring.NewestBefore(0x00000020UL), Filled(4, 4, Qt::green));
}

}  // namespace
}  // namespace htmlsim::testing
