// The visual state transitions of the candy button, one test per row of its transition
// table, driven by real window messages through the host and the hook.
#include <gtest/gtest.h>

#include "candy_input_support.h"

namespace tarnwick::candy {
namespace {

using testing::InputButton;
using Events = std::vector<std::string>;

TEST(CandyStateTransitions, PointerEnteringPaintsHoverFromNormalOrFocused) {
  InputButton normal;
  normal.Move(50, 15);
  EXPECT_EQ(normal.Painted(), ButtonState::Hover);
  EXPECT_EQ(normal.Events(), Events({"MouseMove(0,0,50,15)", "MouseEnter"}));
  EXPECT_TRUE(normal.button.IsHovering());

  InputButton focused;
  focused.Focus();
  ASSERT_EQ(focused.Painted(), ButtonState::Focused);
  focused.Move(50, 15);
  EXPECT_EQ(focused.Painted(), ButtonState::Hover);
}

TEST(CandyStateTransitions, MouseDownOverHoverPaintsPressedAndTakesFocus) {
  InputButton b;
  b.Move(50, 15);
  b.Clear();
  b.Press(50, 15);
  EXPECT_EQ(b.Painted(), ButtonState::Pressed);
  EXPECT_TRUE(b.button.HasFocus());
  EXPECT_EQ(b.Events(), Events{"MouseDown(1,0,50,15)"});
}

TEST(CandyStateTransitions, MouseUpWhileHoveringPaintsHover) {
  InputButton b;
  b.Move(50, 15);
  b.Press();
  b.Clear();
  b.Release();
  EXPECT_EQ(b.Painted(), ButtonState::Hover);
  EXPECT_EQ(b.Events(), Events({"MouseUp(1,0,50,15)", "Click"}));
}

TEST(CandyStateTransitions, MouseUpWithFocusButNotHoveringPaintsFocused) {
  InputButton b;
  b.Press();  // the pointer never entered through the hook
  ASSERT_FALSE(b.button.IsHovering());
  b.Release();
  EXPECT_EQ(b.Painted(), ButtonState::Focused);
}

TEST(CandyStateTransitions, LeftButtonDragOutsidePaintsNormalWithoutMouseLeave) {
  InputButton b;
  b.Move(50, 15);
  b.Press();
  b.Clear();
  b.Move(150, 15, platform::kMkLButton);  // captured: the move arrives from outside
  EXPECT_EQ(b.Painted(), ButtonState::Normal);
  EXPECT_FALSE(b.button.IsHovering());
  EXPECT_EQ(b.Events(), Events{"MouseMove(1,0,150,15)"});
}

TEST(CandyStateTransitions, PointerLeavingPaintsFocusedOrNormal) {
  InputButton focused;
  focused.Focus();
  focused.Move(50, 15);
  focused.Clear();
  focused.Leave();
  EXPECT_EQ(focused.Painted(), ButtonState::Focused);
  EXPECT_EQ(focused.Events(), Events{"MouseLeave"});
  EXPECT_FALSE(focused.button.IsHovering());

  InputButton unfocused;
  unfocused.Move(50, 15);
  unfocused.Leave();
  EXPECT_EQ(unfocused.Painted(), ButtonState::Normal);
}

TEST(CandyStateTransitions, FocusGainedWhileNotHoveringPaintsFocused) {
  InputButton b;
  b.Focus();
  EXPECT_EQ(b.Painted(), ButtonState::Focused);
  EXPECT_TRUE(b.button.HasFocus());

  InputButton hovering;  // over the button the hover face stays
  hovering.Move(50, 15);
  hovering.Clear();
  hovering.Focus();
  EXPECT_EQ(hovering.Repaints(), 0);
  EXPECT_EQ(hovering.Painted(), ButtonState::Hover);
}

TEST(CandyStateTransitions, FocusLostPaintsNormalFromFocusedOrHover) {
  InputButton focused;
  focused.Focus();
  focused.Blur();
  EXPECT_EQ(focused.Painted(), ButtonState::Normal);
  EXPECT_FALSE(focused.button.HasFocus());

  InputButton hovering;
  hovering.Focus();
  hovering.Move(50, 15);
  hovering.Blur();
  EXPECT_EQ(hovering.Painted(), ButtonState::Normal);
  EXPECT_TRUE(hovering.button.IsHovering());  // the flag stays; the next mouse up shows it
  hovering.Press();
  hovering.Release();
  EXPECT_EQ(hovering.Painted(), ButtonState::Hover);
}

TEST(CandyStateTransitions, CheckedPaintsCheckedOnEveryRepaint) {
  InputButton b;
  b.button.SetStyle(1);  // the flat style's Checked face is white
  b.button.SetChecked(true);
  b.Clear();
  b.Move(50, 15);
  b.Press();
  b.Key(platform::kMsgLButtonDblClk, 0);
  EXPECT_EQ(b.Repaints(), 3);  // hover, mouse down and double click repaint, as Checked
  EXPECT_EQ(b.Image().At(3, 3), platform::kWhite);
  b.Clear();
  b.Release();
  b.Blur();
  b.Focus();
  b.Leave();
  EXPECT_EQ(b.Repaints(), 0);  // mouse up, focus changes and leaving do not repaint
  EXPECT_EQ(b.Events(), Events({"MouseUp(1,0,50,15)", "MouseLeave"}));
}

}  // namespace
}  // namespace tarnwick::candy
