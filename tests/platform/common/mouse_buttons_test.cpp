#include "platform/common/mouse_buttons.h"

#include <gtest/gtest.h>

#include "platform/system_numbers.h"

namespace tarnwick::platform {
namespace {

TEST(DecodeButtonMessage, NamesTheButtonAndWhatHappenedToIt) {
  struct Case {
    std::uint32_t message;
    int button;
    ButtonAction action;
  };
  const Case cases[] = {
      {kMsgLButtonDown, kLeftButton, ButtonAction::Press},
      {kMsgLButtonDblClk, kLeftButton, ButtonAction::DoublePress},
      {kMsgLButtonUp, kLeftButton, ButtonAction::Release},
      {kMsgRButtonDown, kRightButton, ButtonAction::Press},
      {kMsgRButtonDblClk, kRightButton, ButtonAction::DoublePress},
      {kMsgRButtonUp, kRightButton, ButtonAction::Release},
      {kMsgMButtonDown, kMiddleButton, ButtonAction::Press},
      {kMsgMButtonDblClk, kMiddleButton, ButtonAction::DoublePress},
      {kMsgMButtonUp, kMiddleButton, ButtonAction::Release},
      {kMsgMouseMove, 0, ButtonAction::None},
      {kMsgKeyDown, 0, ButtonAction::None},
  };
  for (const Case& c : cases) {
    const ButtonMessage decoded = DecodeButtonMessage(c.message);
    EXPECT_EQ(decoded.button, c.button) << c.message;
    EXPECT_EQ(decoded.action, c.action) << c.message;
  }
  EXPECT_EQ(ButtonsHeld(kMkLButton | kMkMButton | 0x04), kLeftButton | kMiddleButton);
  EXPECT_EQ(ButtonsHeld(kMkRButton), kRightButton);
}

TEST(ClickRule, OnlyALeftPressReleasedInsideMakesAClick) {
  const ButtonMessage left{kLeftButton, ButtonAction::Press};
  ClickRule rule;
  rule.Press(left);
  EXPECT_TRUE(rule.Release(kLeftButton, true));
  EXPECT_FALSE(rule.Release(kLeftButton, true));  // a release without its press
  rule.Press(left);
  EXPECT_FALSE(rule.Release(kLeftButton, false));  // released outside
  rule.Press({kLeftButton, ButtonAction::DoublePress});
  EXPECT_FALSE(rule.Release(kLeftButton, true));  // the end of a double click
  rule.Press(left);
  rule.Press({kRightButton, ButtonAction::Press});  // another button does not disarm
  EXPECT_FALSE(rule.Release(kRightButton, true));
  EXPECT_TRUE(rule.Release(kLeftButton, true));
  rule.Press(left);
  rule.Cancel();
  EXPECT_FALSE(rule.Release(kLeftButton, true));
}

}  // namespace
}  // namespace tarnwick::platform
