#include "fading/form_transparency.h"

#include <gtest/gtest.h>

#include "platform/sim/test_double/sim_platform.h"

namespace tarnwick::fading {
namespace {

using platform::kWsExLayered;

class FadingTest : public ::testing::Test {
 protected:
  FadingTest() {
    window_ = sim_.windows.Create(platform::WindowSpec{}, events_);
    sim_.log.Clear();
  }
  const sim::SimWindow& Window() { return *sim_.Window(window_); }

  sim::SimPlatform sim_;
  platform::WindowEvents events_;
  platform::WindowHandle window_ = 0;
  FormTransparency transparency_{sim_.styles};
};

TEST_F(FadingTest, TargetAlphaLayersAWindowFirstThenAppliesTheAlpha) {
  transparency_.SetTargetHandle(window_);
  transparency_.SetTargetAlpha(77);
  EXPECT_NE(Window().ex_style & kWsExLayered, 0);
  EXPECT_EQ(Window().alpha, 77);
  const auto calls = sim_.log.Calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back(), "SetLayeredWindowAttributes(65552,0,77,2)");
  EXPECT_EQ(sim_.log.Matching("SetWindowLongA").size(), 1u);
}

TEST_F(FadingTest, GuardTestsTheWindowBeforeTheVersion) {
  transparency_.EnableLayering();  // target 0
  transparency_.DisableLayering();
  transparency_.SetTargetAlpha(5);
  EXPECT_EQ(sim_.log.Calls(), (std::vector<std::string>{"IsWindow(0)", "IsWindow(0)", "IsWindow(0)"}));
}

TEST_F(FadingTest, OldSystemsChangeNothingButAreAsked) {
  sim_.styles.version.major = 4;
  transparency_.SetTargetHandle(window_);
  transparency_.SetTargetAlpha(10);
  EXPECT_EQ(Window().ex_style, 0);
  EXPECT_EQ(sim_.log.Calls(), (std::vector<std::string>{"IsWindow(65552)", "GetVersionExA(148)"}));
  sim_.styles.version.major = 5;
  EXPECT_TRUE(transparency_.IsLayeringSupported());
  sim_.styles.missing_functions.insert("GetVersionExA");
  EXPECT_FALSE(transparency_.IsLayeringSupported());
}

TEST_F(FadingTest, DisableLayeringKeepsEveryOtherBitAndLeavesAPlainWindowUnchanged) {
  sim_.table.Find(window_)->ex_style = 0x00000088;
  transparency_.SetTargetHandle(window_);
  transparency_.DisableLayering();
  EXPECT_EQ(Window().ex_style, 0x00000088);
  transparency_.EnableLayering();
  EXPECT_EQ(Window().ex_style, 0x00000088 | kWsExLayered);
  transparency_.DisableLayering();
  EXPECT_EQ(Window().ex_style, 0x00000088);
}

TEST_F(FadingTest, UnreadableStyleIsBuiltFromZero) {
  sim_.table.Find(window_)->ex_style = 0x00000088;
  sim_.styles.missing_functions.insert("GetWindowLongA");
  transparency_.SetTargetHandle(window_);
  transparency_.EnableLayering();
  EXPECT_EQ(Window().ex_style, kWsExLayered);
  transparency_.DisableLayering();
  EXPECT_EQ(Window().ex_style, 0);
}

TEST_F(FadingTest, SetWindowAlphaResultCodes) {
  for (std::int16_t out_of_range : {std::int16_t{-1}, std::int16_t{256}}) {
    EXPECT_EQ(SetWindowAlpha(sim_.styles, window_, out_of_range), kAlphaOutOfRange);
  }
  EXPECT_EQ(Window().ex_style, 0);
  EXPECT_TRUE(sim_.log.Calls().empty());

  const std::int16_t transparent = 0;
  EXPECT_EQ(SetWindowAlpha(sim_.styles, window_, transparent), kAlphaApplied);
  EXPECT_EQ(Window().alpha, 0);
  const std::int16_t opaque = 255;
  EXPECT_EQ(SetWindowAlpha(sim_.styles, window_, opaque), kAlphaApplied);
  EXPECT_EQ(Window().alpha, 255);
  EXPECT_NE(Window().ex_style & kWsExLayered, 0);

  sim_.styles.missing_functions.insert("SetLayeredWindowAttributes");
  EXPECT_EQ(SetWindowAlpha(sim_.styles, window_, transparent), kAlphaCallFailed);
  EXPECT_EQ(Window().alpha, 255);
}

TEST_F(FadingTest, SetWindowAlphaSkipsNoVersionOrWindowTest) {
  const std::int16_t alpha = 128;
  sim_.styles.version.major = 4;
  EXPECT_EQ(SetWindowAlpha(sim_.styles, window_, alpha), kAlphaApplied);
  EXPECT_EQ(Window().alpha, 128);
  EXPECT_TRUE(sim_.log.Matching("IsWindow").empty());
  EXPECT_TRUE(sim_.log.Matching("GetVersionExA").empty());
}

}  // namespace
}  // namespace tarnwick::fading
