#include "app/form_x.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/titles.h"
#include "platform/sim/test_double/sim_platform.h"

namespace tarnwick::app {
namespace {

class StartUpTest : public ::testing::Test {
 protected:
  void Start(Edition edition = Edition::Full) {
    splash_ = std::make_unique<FormX>(sim_.Ports(), edition, [this] {
      main_shown_at_ = sim_.clock.NowMicroseconds();
      splash_visible_at_hand_over_ = sim_.windows.IsVisible(splash_->Handle());
    });
    started_at_ = sim_.clock.NowMicroseconds();
    splash_->Form_Load();
  }
  // Alphas applied to the splash, in order.
  std::vector<int> Alphas() const {
    std::vector<int> alphas;
    for (const auto& call : sim_.log.Matching("SetLayeredWindowAttributes(")) {
      const auto first = call.find(',', call.find(',') + 1) + 1;
      alphas.push_back(std::stoi(call.substr(first, call.find(',', first) - first)));
    }
    return alphas;
  }
  double SecondsToMainWindow() const { return static_cast<double>(main_shown_at_ - started_at_) / 1e6; }

  sim::SimPlatform sim_;
  std::unique_ptr<FormX> splash_;
  std::int64_t started_at_ = 0, main_shown_at_ = -1;
  bool splash_visible_at_hand_over_ = true;
};

TEST_F(StartUpTest, MissingConfigRefusesFirstEvenWhenAnotherCopyRuns) {
  sim_.app.previous_instance = true;
  Start();
  ASSERT_EQ(sim_.windows.shown_boxes.size(), 1u);
  EXPECT_EQ(sim_.windows.shown_boxes[0].text, "config.ini 를 찾을수가 없습니다.\r\r프로그램을 종료합니다.");
  EXPECT_EQ(sim_.windows.shown_boxes[0].caption, "TarnwickLauncher");
  EXPECT_EQ(sim_.windows.shown_boxes[0].style, platform::kMbOk);
  EXPECT_EQ(sim_.windows.shown_boxes[0].owner, splash_->Handle()) << "owned by the hidden splash window";
  EXPECT_FALSE(sim_.windows.IsVisible(splash_->Handle()));
  EXPECT_TRUE(sim_.app.HasEnded());
  EXPECT_TRUE(sim_.log.Matching("IsPreviousInstance").empty());
  EXPECT_TRUE(sim_.log.Matching("Show(").empty());
  EXPECT_EQ(main_shown_at_, -1);
}

TEST_F(StartUpTest, SecondCopyIsRefused) {
  sim_.WriteProgramFile("config.ini", "[option1]\r\ntransparency=200\r\n");
  sim_.app.previous_instance = true;
  Start(Edition::Le);
  ASSERT_EQ(sim_.windows.shown_boxes.size(), 1u);
  EXPECT_EQ(sim_.windows.shown_boxes[0].text, "프로그램이 이미 실행중 입니다.");
  EXPECT_EQ(sim_.windows.shown_boxes[0].caption, "TarnwickLauncherLE");
  EXPECT_EQ(sim_.windows.shown_boxes[0].owner, splash_->Handle());
  EXPECT_TRUE(sim_.app.HasEnded());
  EXPECT_EQ(main_shown_at_, -1);
}

TEST_F(StartUpTest, AFolderNamedConfigIniIsNoConfiguration) {
  std::filesystem::create_directory(sim_.app.Folder() / "config.ini");
  Start();
  EXPECT_EQ(sim_.windows.shown_boxes.size(), 1u);
  EXPECT_TRUE(sim_.app.HasEnded());
}

TEST_F(StartUpTest, ZeroLengthConfigStartsAndFadesInThenOut) {
  sim_.WriteProgramFile("config.ini", "");
  Start();
  EXPECT_TRUE(sim_.windows.shown_boxes.empty());
  EXPECT_FALSE(sim_.app.HasEnded());

  std::vector<int> expected{0};
  for (int alpha = 1; alpha <= 255; alpha += 5) expected.push_back(alpha);
  expected.push_back(255);
  expected.push_back(255);
  for (int alpha = 255; alpha >= 1; alpha -= 5) expected.push_back(alpha);
  EXPECT_EQ(Alphas(), expected);

  EXPECT_FALSE(splash_visible_at_hand_over_);
  EXPECT_FALSE(sim_.windows.IsVisible(splash_->Handle()));
  EXPECT_EQ(sim_.Window(splash_->Handle())->ex_style & platform::kWsExLayered, 0);
  EXPECT_NE(sim_.Window(splash_->Handle()), nullptr) << "the splash stays loaded";
}

TEST_F(StartUpTest, SplashShowsTheEditionsTextAndTakesFadesHoldAndPause) {
  sim_.WriteProgramFile("config.ini", "");
  Start(Edition::Le);
  const auto& label = sim_.Window(splash_->Handle())->controls.at(FormX::kLabel1);
  EXPECT_EQ(label.text, titles::SplashText(Edition::Le));
  // 102 fade steps of just over 0.01 s each (the float clock moves in steps near 1/128 s at
  // noon), a 2 s hold and a 1 s pause.
  EXPECT_GT(SecondsToMainWindow(), 3.0 + 102 * 0.01);
  EXPECT_LT(SecondsToMainWindow(), 3.0 + 102 * 0.025);
}

// Between two pumps the splash sleeps until an event comes or its wait may be over, rather than
// reading the clock flat out; it never asks to sleep past the end of a fade step or the hold.
TEST_F(StartUpTest, BetweenPumpsTheSplashSleepsNoLongerThanWhatIsLeftOfItsWait) {
  sim_.WriteProgramFile("config.ini", "");
  Start();
  const auto& calls = sim_.log.Calls();
  int pumps = 0, waits = 0;
  float longest = 0.0f;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i] == "PumpEvents()") ++pumps;
    if (!calls[i].starts_with("WaitForEvents(")) continue;
    ++waits;
    ASSERT_GT(i, 0u);
    EXPECT_EQ(calls[i - 1].substr(0, 21), "SecondsSinceMidnight(") << "a sleep follows a clock reading";
    const float seconds = std::stof(calls[i].substr(14));
    EXPECT_GT(seconds, 0.0f) << i;
    longest = std::max(longest, seconds);
  }
  // The clock moves 1 ms a pump; every pump that does not end its wait is followed by a sleep.
  EXPECT_GT(waits, pumps - 2 * 102 - 10);
  EXPECT_LE(longest, 2.0f) << "the hold";
  EXPECT_GT(longest, 1.9f) << "the hold's first sleep asks for nearly all of it";
}

TEST_F(StartUpTest, WithoutLayeredWindowsTheTimingIsUnchanged) {
  sim_.WriteProgramFile("config.ini", "");
  sim_.styles.version.major = 4;
  Start();
  EXPECT_TRUE(Alphas().empty());
  EXPECT_GT(SecondsToMainWindow(), 4.0);
  EXPECT_LT(SecondsToMainWindow(), 5.6);
}

TEST_F(StartUpTest, StartingJustBeforeMidnightStillReachesTheMainWindow) {
  sim_.WriteProgramFile("config.ini", "");
  for (double start : {86399.0, 86399.995, 86396.5, 86398.99}) {
    sim_.clock.SetTimeOfDay(start);
    main_shown_at_ = -1;
    Start();
    EXPECT_GT(SecondsToMainWindow(), 3.0) << start;
    EXPECT_LT(SecondsToMainWindow(), 7.0) << start;
  }
}

class SleepInTest : public StartUpTest {
 protected:
  double Sleep(double start, float seconds) {
    sim_.clock.SetTimeOfDay(start);
    const auto before = sim_.clock.NowMicroseconds();
    splash_->SleepIn(seconds);
    return static_cast<double>(sim_.clock.NowMicroseconds() - before) / 1e6;
  }
  void SetUp() override { splash_ = std::make_unique<FormX>(sim_.Ports(), Edition::Full, [] {}); }
};

TEST_F(SleepInTest, WaitsAcrossMidnightForAboutTheAskedTime) {
  EXPECT_NEAR(Sleep(86399.0, 2.0f), 2.0, 0.01);
  EXPECT_NEAR(sim_.clock.SecondsSinceMidnight(), 1.0, 0.01);
  // 86400.6 rounds to 86401: the wait ends one second after midnight.
  EXPECT_NEAR(Sleep(86399.6, 1.0f), 1.4, 0.01);
}

TEST_F(SleepInTest, ZeroSecondsPumpsNothing) {
  sim_.log.Clear();
  EXPECT_EQ(Sleep(500.0, 0.0f), 0.0);
  EXPECT_TRUE(sim_.log.Matching("PumpEvents").empty());
}

TEST_F(SleepInTest, ATargetJustBelowMidnightThatTheClockJumpsOverStillEnds) {
  sim_.app.pump_quantum_us = 100000;  // a coarse clock: 86399.9 is never read
  EXPECT_NEAR(Sleep(86399.5, 0.45f), 0.5, 1e-6);
  EXPECT_LT(sim_.clock.SecondsSinceMidnight(), 0.01f);
}

TEST_F(SleepInTest, AnUnloadDuringTheWaitEndsTheProgramAndTheWait) {
  sim_.windows.RequestClose(splash_->Handle());
  EXPECT_TRUE(sim_.app.HasEnded());
  EXPECT_EQ(Sleep(100.0, 5.0f), 0.0);
}

}  // namespace
}  // namespace tarnwick::app
