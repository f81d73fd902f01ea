#include "app/launcher_program.h"

#include <gtest/gtest.h>

#include "platform/sim/test_double/sim_platform.h"

namespace tarnwick::app {
namespace {

// The whole program on the simulated platform: start-up, the bar, its top button, exit.
TEST(LauncherProgram, RunsFromStartUpThroughTheSidePanelToExit) {
  for (Edition edition : {Edition::Full, Edition::Le}) {
    sim::SimPlatform sim;
    sim.WriteProgramFile("config.ini", "[option1]\r\ntransparency=230\r\n");
    LauncherProgram program(sim.Ports(), edition);
    program.Start();
    ASSERT_NE(program.MainWindow(), nullptr);
    const auto bar = program.MainWindow()->Handle();
    EXPECT_TRUE(sim.windows.IsVisible(bar));
    EXPECT_EQ(sim.Window(bar)->alpha, 230);
    sim.app.RunFor(0.05);
    EXPECT_EQ(*sim.windows.GetDimension(bar, platform::Dimension::Left), 1280 * 15 - 1335);

    sim.windows.Click(bar, 0);
    sim.app.RunFor(3.0);
    ASSERT_NE(program.SidePanel().Panel(), nullptr);
    const auto panel = program.SidePanel().Panel()->Handle();
    EXPECT_TRUE(sim.windows.IsVisible(panel));
    // LE: left of the bar by 500 twips plus the panel's width.
    const float expected_left = edition == Edition::Full ? 1280 * 15 - 1800 - 15345 : 1280 * 15 - 15340 - 500 - 1335;
    EXPECT_NEAR(*sim.windows.GetDimension(panel, platform::Dimension::Left), expected_left, 15.0f);

    sim.windows.menu_answers = {0};
    sim.windows.message_box_answers = {platform::kIdYes};
    program.MainWindow()->Form_MouseMove({0, 0, 517 * 15.0f, 0});
    EXPECT_TRUE(sim.app.HasEnded());
    EXPECT_FALSE(sim.tray.HasIcon(bar, 1));
  }
}

}  // namespace
}  // namespace tarnwick::app
