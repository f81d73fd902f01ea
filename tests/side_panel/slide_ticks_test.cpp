// The slide animation tick by tick: first with geometry read back exactly as set, so that the
// twips arithmetic of every step shows; then with whole pixels and the minimum size of a titled
// window, as Wine and Windows keep a window's rectangle.
#include "side_panel/form_m_design.h"
#include "side_panel/side_panel_fixture.h"

namespace tarnwick::side_panel {
namespace {

using platform::Dimension;

class SlideTicksTest : public SidePanelTest {
 protected:
  void SetUp() override { WriteConfig(""); }
  // One timer period (10 ms): every running timer ticks once, Timer1 before Timer2.
  void Tick() { sim_.app.RunFor(0.010); }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) Tick();
  }
  // Runs timer periods until `done` holds; returns how many it took (at most 500).
  template <typename Done>
  int TicksUntil(Done done) {
    int ticks = 0;
    while (!done() && ticks < 500) {
      Tick();
      ++ticks;
    }
    return ticks;
  }
  bool AnyTimerRunning() const {
    for (int timer = kTimer0; timer <= kTimer3; ++timer) {
      if (TimerRunning(timer)) return true;
    }
    return false;
  }
  void OpenFully() {
    host_->Open();
    Animate(3.0);
    ASSERT_FALSE(AnyTimerRunning());
  }
  // Whole pixels keep the top at 6495 instead of 6490 twips: a bottom margin of 795.
  void ExpectAtOpenSpot(float bottom_margin = 800) const {
    EXPECT_EQ(Width(), 15345.0f);
    EXPECT_EQ(Height(), 4710.0f);
    EXPECT_EQ(Right(), kScreenWidth - 1800);
    EXPECT_EQ(Bottom(), kScreenHeight - bottom_margin);
  }
};

class UnroundedSlideTest : public SlideTicksTest {
 protected:
  void SetUp() override {
    SlideTicksTest::SetUp();
    sim_.windows.screen.unrounded_geometry = true;
    MakeHost(Edition::Full);
  }
};

TEST_F(UnroundedSlideTest, FirstOpeningSnapsAfterTheEightySecondHeighteningStep) {
  host_->Open();
  EXPECT_EQ(Width(), 430.0f);
  EXPECT_EQ(Height(), 1290.0f);
  EXPECT_EQ(Right(), kScreenWidth - 3020);
  Tick();  // Timer0: collapsed, so it starts Timer1 and Timer2
  EXPECT_FALSE(TimerRunning(kTimer0));
  ASSERT_TRUE(TimerRunning(kTimer1) && TimerRunning(kTimer2));
  for (int step = 1; step <= 82; ++step) {
    Tick();
    ASSERT_EQ(Width(), 430.0f + 132 * step) << step;
    ASSERT_EQ(Height(), 1290.0f + 42 * step) << step;
    ASSERT_EQ(Right(), kScreenWidth - 3020) << "widening keeps the right edge, step " << step;
    ASSERT_EQ(Bottom(), kScreenHeight - 800) << "heightening keeps the bottom edge, step " << step;
  }
  EXPECT_EQ(Height(), 4734.0f);
  EXPECT_EQ(Width(), 11254.0f) << "the height is there long before the width";

  Tick();  // Timer1 widens once more, then Timer2 finds the height reached and snaps
  ExpectAtOpenSpot();
  EXPECT_FALSE(TimerRunning(kTimer2));
  EXPECT_TRUE(TimerRunning(kTimer1));
  Tick();  // Timer1 finds the final width: it stops and restarts Timer2
  EXPECT_FALSE(TimerRunning(kTimer1));
  EXPECT_TRUE(TimerRunning(kTimer2));
  Tick();  // Timer2 places the panel once more and stops
  ExpectAtOpenSpot();
  EXPECT_FALSE(AnyTimerRunning());
}

TEST_F(UnroundedSlideTest, ClosingTakesOneHundredAndThreeTicksAndTheNextHides) {
  OpenFully();
  const float right = Right(), bottom = Bottom();
  sim_.windows.RequestClose(host_->Panel()->Handle());
  for (int tick = 1; tick <= 103; ++tick) {
    Tick();
    ASSERT_TRUE(Panel().visible) << tick;
    ASSERT_EQ(Width(), 15345.0f - 132 * tick) << tick;
    ASSERT_EQ(Height(), 4710.0f - 42 * tick) << tick;
    ASSERT_EQ(Right(), right) << tick;
    ASSERT_EQ(Bottom(), bottom) << tick;
  }
  EXPECT_EQ(Width(), 1749.0f);
  EXPECT_EQ(Height(), 384.0f);
  Tick();
  EXPECT_FALSE(Panel().visible) << "the 104th tick hides the panel";
  EXPECT_FALSE(AnyTimerRunning());
  EXPECT_EQ(Width(), 1749.0f) << "it keeps its small size while hidden";
  EXPECT_EQ(Height(), 384.0f);
  EXPECT_TRUE(host_->Panel()->Loaded());
}

TEST_F(UnroundedSlideTest, ReopeningGrowsFromTheStartSpotInExactlyOneHundredAndThreeSteps) {
  OpenFully();
  sim_.windows.RequestClose(host_->Panel()->Handle());
  Animate(2.0);
  ASSERT_FALSE(Panel().visible);
  host_->Open();
  EXPECT_TRUE(Panel().visible) << "shown at its small size";
  Tick();  // Timer0 finds it collapsed (height 384)
  EXPECT_EQ(Get(Dimension::Left), kScreenWidth - 3450);
  EXPECT_EQ(Right(), kScreenWidth - 1701);
  EXPECT_EQ(Bottom(), kScreenHeight - 800);
  for (int step = 1; step <= 103; ++step) {
    Tick();
    ASSERT_EQ(Right(), kScreenWidth - 1701) << step;
    if (step < 103) {
      ASSERT_LT(Width(), 15345.0f) << step;
      ASSERT_LT(Height(), 4710.0f) << step;
    }
  }
  EXPECT_EQ(Width(), 15345.0f);
  EXPECT_EQ(Height(), 4710.0f);
  Ticks(2);  // Timer1 stops and restarts Timer2, which places the panel and stops
  ExpectAtOpenSpot();
  EXPECT_FALSE(AnyTimerRunning());
}

TEST_F(UnroundedSlideTest, OpeningAgainWhileStillCollapsedPutsTheLeftEdgeBack) {
  host_->Open();
  Ticks(4);  // Timer0, then three widening steps: 826 wide, still collapsed
  ASSERT_EQ(Get(Dimension::Left), kScreenWidth - 3450 - 3 * 132);
  host_->Open();
  Tick();
  EXPECT_EQ(Get(Dimension::Left), kScreenWidth - 3450) << "the left edge goes back to the start spot";
  EXPECT_EQ(Width(), 826.0f) << "...keeping the width reached";
  Animate(3.0);
  ExpectAtOpenSpot();
}

TEST_F(UnroundedSlideTest, OpeningAgainOnceNoLongerCollapsedChangesNothing) {
  host_->Open();
  Ticks(11);  // Timer0, then ten steps: 1750 x 1710
  const float left = Get(Dimension::Left), width = Width();
  host_->Open();
  Tick();  // Timer0 finds the panel neither collapsed nor open; Timer1 and Timer2 go on
  EXPECT_EQ(Get(Dimension::Left), left - 132);
  EXPECT_EQ(Width(), width + 132);
  Animate(3.0);
  ExpectAtOpenSpot();
}

TEST_F(UnroundedSlideTest, LePanelOnANarrowScreenReachesPastTheLeftEdge) {
  sim_.windows.screen.width_px = 1024;  // 15360 twips
  FormM first(sim_.Ports(), Edition::Le, [] { return kMainWidth; });
  first.Form_Load();
  EXPECT_EQ(*sim_.windows.GetDimension(first.Handle(), Dimension::Left), 15360.0f - 15375 - 500 - kMainWidth);
  MakeHost(Edition::Le);
  host_->Open();
  EXPECT_EQ(Get(Dimension::Left), -1815.0f) << "15360 - 15340 - 500 - 1335, applied unchanged";
  EXPECT_EQ(Width(), 15340.0f);
  EXPECT_EQ(Bottom(), kScreenHeight - 800);
}

// Whole pixels, as Wine and Windows keep a window's rectangle when the window lets itself be
// made smaller than a titled window's usual minimum (the programs' windows do). Steps of 132
// and 42 twips become 9 and 3 pixels (135 and 45 twips).
class WholePixelSlideTest : public SlideTicksTest {
 protected:
  void SetUp() override {
    SlideTicksTest::SetUp();
    MakeHost(Edition::Full);
  }
};

TEST_F(WholePixelSlideTest, FirstOpeningGrowsBothWaysAndSnapsAfterSeventySixSteps) {
  host_->Open();
  EXPECT_EQ(Width(), 435.0f) << "430 twips kept as 29 pixels";
  EXPECT_EQ(Right(), kScreenWidth - 3015);
  Tick();  // Timer0: collapsed
  EXPECT_EQ(TicksUntil([&] { return Height() >= 4710.0f; }), 76);
  EXPECT_EQ(Height(), 4710.0f);
  EXPECT_EQ(Width(), 435.0f + 76 * 135);
  EXPECT_EQ(Right(), kScreenWidth - 3015);
  Tick();  // Timer2 snaps
  ExpectAtOpenSpot(795);
  Ticks(2);
  EXPECT_FALSE(AnyTimerRunning());
}

TEST_F(WholePixelSlideTest, ClosingHidesAtTheNinetySeventhTickAndReopeningTakesNinetySixSteps) {
  OpenFully();
  const float right = Right(), bottom = Bottom();
  sim_.windows.RequestClose(host_->Panel()->Handle());
  EXPECT_EQ(TicksUntil([&] { return !Panel().visible; }), 97);
  EXPECT_EQ(Width(), 2385.0f) << "159 pixels";
  EXPECT_EQ(Height(), 390.0f) << "26 pixels";
  EXPECT_EQ(Right(), right);
  EXPECT_EQ(Bottom(), bottom);
  host_->Open();
  Tick();  // Timer0: collapsed
  EXPECT_EQ(TicksUntil([&] { return Width() >= 15345.0f; }), 96);
  EXPECT_EQ(Height(), 4710.0f) << "both dimensions arrive at the same step";
  Ticks(2);
  ExpectAtOpenSpot(795);
}

// Whole pixels with the minimum size of a titled window (112 x 27 pixels under Wine), for a
// window that keeps the system's minimum. The 430-twip start width reads back as 1680, so the
// first Timer0 finds the panel neither collapsed nor open and starts nothing: only Timer1,
// started by Form_Load, runs, and the panel widens first and heightens after Timer1 hands over
// to Timer2. The closing ends only because the minimum height (405 twips) meets the end test
// (height 405 or less); with a taller minimum and a minimum width above 1260 twips it would
// never end, which is why the programs' windows lift the minimum.
class MinimumSizeSlideTest : public SlideTicksTest {
 protected:
  void SetUp() override {
    SlideTicksTest::SetUp();
    sim_.windows.screen.UseWineMinimumSizes();
    MakeHost(Edition::Full);
  }
};

TEST_F(MinimumSizeSlideTest, FirstOpeningWidensFirstAndHeightensAfter) {
  host_->Open();
  EXPECT_EQ(Width(), 1680.0f) << "the system's minimum width";
  EXPECT_EQ(Right(), kScreenWidth - 1770);
  Tick();  // Timer0 starts nothing; Timer1 takes its first step
  EXPECT_FALSE(TimerRunning(kTimer2));
  int widening = 1;
  while (TimerRunning(kTimer1) && widening < 200) {
    ASSERT_EQ(Height(), 1290.0f) << "no heightening while widening, step " << widening;
    ASSERT_EQ(Right(), kScreenWidth - 1770);
    Tick();
    ++widening;
  }
  EXPECT_EQ(widening, 103) << "102 steps of 135 twips, then the hand-over";
  EXPECT_EQ(Width(), 15450.0f);
  EXPECT_EQ(TicksUntil([&] { return Height() >= 4710.0f; }), 76);
  EXPECT_EQ(Width(), 15450.0f) << "no widening while heightening";
  Tick();
  ExpectAtOpenSpot(795);
  EXPECT_FALSE(AnyTimerRunning());
}

TEST_F(MinimumSizeSlideTest, ClosingStopsAtTheMinimumHeightAndReopeningGrowsBothWays) {
  OpenFully();
  sim_.windows.RequestClose(host_->Panel()->Handle());
  EXPECT_EQ(TicksUntil([&] { return !Panel().visible; }), 97)
      << "96 steps of 45 twips in height, the last held at the minimum, then the hide";
  EXPECT_EQ(Height(), 405.0f);
  EXPECT_EQ(Width(), 2385.0f);
  EXPECT_FALSE(AnyTimerRunning());

  host_->Open();
  Tick();  // Timer0: height 405 is collapsed
  ASSERT_TRUE(TimerRunning(kTimer1) && TimerRunning(kTimer2));
  EXPECT_EQ(TicksUntil([&] { return Width() >= 15345.0f; }), 96);
  EXPECT_EQ(Height(), 4725.0f) << "the height passes 4710 at the same step";
  Ticks(2);
  ExpectAtOpenSpot(795);
}

}  // namespace
}  // namespace tarnwick::side_panel
