// The bar gauges of the battlefield window.
#include "game/gauge.h"

#include <gtest/gtest.h>

TEST(GaugeTest, KeepsToItsRange)
{
    Gauge g;
    g.setRange(0, 200);
    struct Case {
        int in, shown;
    } cases[] = {{-40, 0}, {0, 0}, {137, 137}, {200, 200}, {201, 200}, {5000, 200}};
    for (const Case& c : cases) {
        g.setProgress(c.in);
        EXPECT_EQ(g.progress(), c.shown) << c.in;
    }
}
