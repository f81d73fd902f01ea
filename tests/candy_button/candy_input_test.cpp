// Each input trigger of the candy button in its order and conditions: keys, clicks, mouse,
// focus, size and showing, and the pointer-entry rule of the hooked WM_MOUSEMOVE.
#include <gtest/gtest.h>

#include "candy_input_support.h"

namespace tarnwick::candy {
namespace {

using testing::InputButton;
using testing::PointerAt;
using Events = std::vector<std::string>;

TEST(CandyInput, EnterPressAndReleaseActLikeAClickAtTheOrigin) {
  InputButton b;
  b.Key(platform::kMsgKeyDown, 13);
  EXPECT_EQ(b.Painted(), ButtonState::Pressed);
  b.Key(platform::kMsgKeyUp, 13);
  EXPECT_EQ(b.Painted(), ButtonState::Focused);
  EXPECT_EQ(b.Events(), Events({"MouseDown(1,0,0,0)", "MouseUp(1,0,0,0)", "Click"}));
}

TEST(CandyInput, OtherKeysDoNothing) {
  InputButton b;
  for (const int key : {32, 9, 27, 65}) {
    b.Key(platform::kMsgKeyDown, key);
    b.Key(platform::kMsgKeyUp, key);
  }
  EXPECT_TRUE(b.Events().empty());
  EXPECT_EQ(b.Repaints(), 0);
}

TEST(CandyInput, PressAndReleaseOverTheButtonClickInThatOrder) {
  InputButton b;
  b.host.Send(platform::kMsgMouseMove, 0, PointerAt(10, 10), 1);
  b.Clear();
  b.host.Send(platform::kMsgLButtonDown, platform::kMkLButton, PointerAt(12, 5), 1);
  b.host.Send(platform::kMsgLButtonUp, 0, PointerAt(13, 6), 1);
  EXPECT_EQ(b.Events(), Events({"MouseDown(1,1,12,5)", "MouseUp(1,1,13,6)", "Click"}));
}

TEST(CandyInput, AReleaseAwayFromTheButtonIsNoClick) {
  InputButton b;
  b.Press();
  b.Release(-4, 15);
  b.Press();
  b.Release(50, 30);  // the row below the last one
  EXPECT_EQ(b.Events(), Events({"MouseDown(1,0,50,15)", "MouseUp(1,0,-4,15)",
                                "MouseDown(1,0,50,15)", "MouseUp(1,0,50,30)"}));
}

TEST(CandyInput, DoubleClickPaintsPressedAndRaisesDblClick) {
  InputButton b;
  b.Press();
  b.Release();
  b.Clear();
  b.host.Send(platform::kMsgLButtonDblClk, platform::kMkLButton, PointerAt(50, 15));
  EXPECT_EQ(b.Painted(), ButtonState::Pressed);
  b.Release();
  EXPECT_EQ(b.Events(), Events({"DblClick", "MouseUp(1,0,50,15)"}));  // no second Click
}

TEST(CandyInput, OtherButtonsPressAndReleaseWithoutClicking) {
  InputButton b;
  b.host.Send(platform::kMsgRButtonDown, platform::kMkRButton, PointerAt(20, 20));
  b.host.Send(platform::kMsgRButtonUp, 0, PointerAt(20, 20));
  b.host.Send(platform::kMsgMButtonDown, platform::kMkMButton, PointerAt(21, 20));
  b.host.Send(platform::kMsgMButtonUp, 0, PointerAt(21, 20));
  EXPECT_EQ(b.Events(), Events({"MouseDown(2,0,20,20)", "MouseUp(2,0,20,20)",
                                "MouseDown(4,0,21,20)", "MouseUp(4,0,21,20)"}));
}

TEST(CandyInput, ADisabledButtonTracksFocusAndHoverButRaisesNoInputEvents) {
  InputButton b;
  b.button.SetEnabled(false);
  b.Clear();
  b.Focus();
  EXPECT_TRUE(b.button.HasFocus());
  b.Key(platform::kMsgKeyDown, 13);
  b.Key(platform::kMsgKeyUp, 13);
  b.Press();
  b.Release();
  b.host.Send(platform::kMsgLButtonDblClk, platform::kMkLButton, PointerAt(50, 15));
  b.Release();
  EXPECT_TRUE(b.Events().empty());
  EXPECT_EQ(b.Repaints(), 0);
  b.Move(50, 15);
  b.Leave();
  EXPECT_EQ(b.Events(), Events({"MouseEnter", "MouseLeave"}));
  b.Blur();
  EXPECT_FALSE(b.button.HasFocus());
}

TEST(CandyInput, PointerEntryNeedsAPointStrictlyInside) {
  for (const auto& [x, y] : {std::pair{0, 15}, {50, 0}, {100, 15}, {50, 30}, {-5, 15},
                             {50, -2}, {-32768, 15}}) {
    InputButton b;
    b.Move(x, y);
    EXPECT_FALSE(b.button.IsHovering()) << x << "," << y;
    EXPECT_TRUE(b.host.Procedures().leave_requests.empty());
  }
  for (const auto& [x, y] : {std::pair{1, 1}, {99, 29}}) {
    InputButton b;
    b.Move(x, y);
    EXPECT_TRUE(b.button.IsHovering()) << x << "," << y;
  }
}

TEST(CandyInput, OnlyTheLeftButtonAloneKeepsThePointerFromEntering) {
  InputButton held;
  held.Move(50, 15, platform::kMkLButton);
  EXPECT_FALSE(held.button.IsHovering());
  InputButton shifted;  // left button and Shift
  shifted.Move(50, 15, platform::kMkLButton | 0x04);
  EXPECT_TRUE(shifted.button.IsHovering());
}

TEST(CandyInput, EnteringOnceRequestsOneLeaveNotification) {
  InputButton b;
  b.Move(50, 15);
  b.Move(51, 15);
  b.Move(52, 16);
  const auto& requests = b.host.Procedures().leave_requests;
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].first, b.host.Surface().Window());
  EXPECT_TRUE(requests[0].second);  // through the user-interface library's function
  EXPECT_EQ(b.Events(), Events({"MouseMove(0,0,50,15)", "MouseEnter", "MouseMove(0,0,51,15)",
                                "MouseMove(0,0,52,16)"}));
}

TEST(CandyInput, AfterADragOutTheNextMoveInsideEntersAgain) {
  InputButton b;
  b.Move(50, 15);
  b.Press();
  b.Move(150, 15, platform::kMkLButton);
  b.Move(50, 15, platform::kMkLButton);  // back inside with the button still held
  EXPECT_FALSE(b.button.IsHovering());
  b.Release();
  b.Clear();
  b.Move(50, 15);
  EXPECT_TRUE(b.button.IsHovering());
  EXPECT_EQ(b.Events(), Events({"MouseMove(0,0,50,15)", "MouseEnter"}));
}

TEST(CandyInput, ResizeShowAndPaintReshapeTheWindow) {
  InputButton b;
  b.button.SetStyle(2);
  EXPECT_EQ(b.button.CornerRadius(), 16);  // 30 \ 2 + 1
  b.host.Raster().Resize(60, 16);
  b.host.Send(platform::kMsgPaint);  // hooked before the window paints: the outline only
  EXPECT_EQ(b.button.CornerRadius(), 9);
  b.host.Raster().Resize(120, 40);
  b.Clear();
  b.host.Send(platform::kMsgSize);
  EXPECT_EQ(b.button.CornerRadius(), 21);
  EXPECT_EQ(b.Repaints(), 1);
  b.Clear();
  b.host.Send(platform::kMsgShowWindow, 0);  // hiding does nothing
  EXPECT_EQ(b.Repaints(), 0);
  b.host.Send(platform::kMsgShowWindow, 1);
  EXPECT_EQ(b.Repaints(), 1);
}

TEST(CandyInput, TerminationEndsTheHook) {
  auto host = std::make_unique<sim::RasterCandyHost>(80, 24);
  auto button = std::make_unique<CandyButton>(*host);
  button->ReadProperties(PropertyBag());
  const platform::WindowHandle window = host->Surface().Window();
  ASSERT_TRUE(host->Procedures().IsBound(window));
  button.reset();
  host->Send(platform::kMsgMouseMove, 0, PointerAt(10, 10));  // reaches no freed control
  EXPECT_FALSE(host->Procedures().IsBound(window));
  EXPECT_NE(host->Procedures().CurrentProcedure(window), host->Procedures().HookProcedure());
  EXPECT_TRUE(host->Procedures().warnings.empty());
}

}  // namespace
}  // namespace tarnwick::candy
