#include <gtest/gtest.h>

#include "simulation/SimulationScript.h"
#include "util/RuntimeError.h"

namespace htmlsim::testing {
namespace {

TEST(SimulationScript, AreaEdgesAreSixteenBitSums) {
    ClickableArea area;
    area.Left = -5;
    area.Width = 10;
    area.Top = 32000;
    area.Height = 767;
    SimulationScript script;
    script.AddPage("p", "p.png", "p.html", {area});
    EXPECT_EQ(script.Text(),
              "function buildSimulation(){\r\n"
              "  Areas.push(\"-5, 32000, 5, 32767, , left, 0\");\r\n"
              "  walk.push(new page(1, \"p\", \"p.png\", Areas));\r\n"
              "}\r\n");
    script.SimAreas[0].Height = 768;
    EXPECT_THROW(script.Text(), OverflowError);
}

}  // namespace
}  // namespace htmlsim::testing
