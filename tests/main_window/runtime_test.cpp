#include <filesystem>

#include "common/titles.h"
#include "main_window/form1_fixture.h"

namespace tarnwick::main_window {
namespace {

using platform::Dimension;

class RunningBarTest : public Form1Test {
 protected:
  void SetUp() override {
    sim_.processes.installed_programs = {"notepad.exe", "calc.exe"};
    sim_.WriteProgramFile("config.ini", "[001]\nsource=notepad.exe readme.txt\n[002]\nimage=x.jpg\n");
    Construct();
  }
  void SetSource(const std::string& section, const std::string& value) {
    sim_.WriteProgramFile("config.ini", "[" + section + "]\nsource=" + value + "\n");
  }
};

TEST_F(RunningBarTest, EachClickReadsTheCommandAfreshAndStartsItOnce) {
  sim_.windows.Click(form_->Handle(), 1);
  EXPECT_EQ(sim_.log.Matching("StartProgram").back(), "StartProgram(notepad.exe readme.txt,1)");
  SetSource("001", "calc.exe");
  sim_.windows.Click(form_->Handle(), 1);
  EXPECT_EQ(sim_.processes.started, (std::vector<std::string>{"notepad.exe readme.txt", "calc.exe"}));
}

TEST_F(RunningBarTest, ADoubleClickStartsTheProgramOnce) {
  sim_.windows.Click(form_->Handle(), 1);
  form_->Image_MouseUp(1);  // the double-click's second release
  EXPECT_EQ(sim_.processes.started.size(), 1u);
  EXPECT_EQ(Window().controls.at(1).border_style, 0);
}

TEST_F(RunningBarTest, MissingOrUselessCommandsStartNothingAndShowNothing) {
  sim_.windows.Click(form_->Handle(), 2);  // section without "source"
  EXPECT_EQ(sim_.log.Matching("StartProgram").back(), "StartProgram(\xea\xb0\x92\xec\x9d\xb4 \xec\x97\x86\xec\x8a\xb5\xeb\x8b\x88\xeb\x8b\xa4.,1)");
  SetSource("003", "   ");
  sim_.windows.Click(form_->Handle(), 3);
  SetSource("004", std::string(300, 'n'));
  sim_.windows.Click(form_->Handle(), 4);
  EXPECT_EQ(sim_.log.Matching("StartProgram").back(), "StartProgram(" + std::string(254, 'n') + ",1)");
  std::filesystem::remove(sim_.app.Folder() / "config.ini");
  sim_.windows.Click(form_->Handle(), 1);
  EXPECT_TRUE(sim_.processes.started.empty());
  EXPECT_TRUE(sim_.windows.shown_boxes.empty());
}

TEST_F(RunningBarTest, AButtonWhoseProgramNeedsRaisedRightsStartsItThroughThePrompt) {
  sim_.processes.installed_programs.insert("regedit.exe");
  sim_.processes.elevated_programs = {"regedit.exe"};
  SetSource("005", "regedit.exe /s x.reg");
  sim_.windows.Click(form_->Handle(), 5);
  EXPECT_EQ(sim_.processes.started_elevated, (std::vector<std::string>{"regedit.exe|/s x.reg"}));
  sim_.processes.decline_elevation = true;
  sim_.windows.Click(form_->Handle(), 5);
  EXPECT_EQ(sim_.processes.started_elevated.size(), 1u) << "a declined prompt starts nothing";
  EXPECT_TRUE(sim_.windows.shown_boxes.empty()) << "...and shows nothing";
}

TEST_F(RunningBarTest, EveryButtonShowsAFrameWhileAnyMouseButtonIsDown) {
  for (int n = 0; n < 25; ++n) {
    form_->Image_MouseDown(n);
    EXPECT_EQ(Window().controls.at(n).border_style, 1) << n;
    form_->Image_MouseUp(n);
    EXPECT_EQ(Window().controls.at(n).border_style, 0) << n;
  }
  sim_.windows.Click(form_->Handle(), 1, platform::kRightButton);
  EXPECT_TRUE(sim_.processes.started.empty()) << "a right click only shows the frame";
}

TEST_F(RunningBarTest, TheTimerDocksTheBarAtTheRightEdgeAfterAnyMove) {
  const auto handle = form_->Handle();
  sim_.app.RunFor(0.02);
  EXPECT_EQ(Pixels(Dimension::Width), 89);
  EXPECT_EQ(Pixels(Dimension::Left), 1280 - 89);
  EXPECT_EQ(Pixels(Dimension::Top), 0);
  EXPECT_EQ(Pixels(Dimension::Height), 800);
  (void)sim_.windows.SetDimension(handle, Dimension::Left, 300.0f);
  (void)sim_.windows.SetDimension(handle, Dimension::Height, 900.0f);
  sim_.app.RunFor(0.011);
  EXPECT_EQ(Pixels(Dimension::Left), 1280 - 89);
  EXPECT_EQ(Pixels(Dimension::Height), 800);
}

TEST_F(RunningBarTest, ALostTrayIconIsBackWithinOneTick) {
  sim_.tray.RestartShell();
  EXPECT_FALSE(sim_.tray.HasIcon(form_->Handle(), 1));
  sim_.app.RunFor(0.011);
  EXPECT_TRUE(sim_.tray.HasIcon(form_->Handle(), 1));
}

TEST_F(RunningBarTest, TrayEventsAreDecodedFromTheXCoordinate) {
  sim_.windows.Hide(form_->Handle());
  for (int message : {512, 513, 514, 516, 88}) TrayEvent(message);
  EXPECT_FALSE(sim_.windows.IsVisible(form_->Handle()));
  EXPECT_TRUE(sim_.windows.shown_menus.empty());
  TrayEvent(515);
  EXPECT_TRUE(sim_.windows.IsVisible(form_->Handle()));
  EXPECT_EQ(form_->LastTrayMessage(), 515);
  TrayEvent(517);
  ASSERT_EQ(sim_.windows.shown_menus.size(), 1u);
  EXPECT_EQ(sim_.windows.shown_menus[0], std::vector<std::string>{"\xec\xa2\x85\xeb\xa3\x8c"});
  EXPECT_FALSE(form_->IsTrayBusy());
}

TEST_F(RunningBarTest, EventsWhileTheMenuOrTheQuestionIsOpenAreDropped) {
  sim_.windows.while_modal_open = [this] {
    EXPECT_TRUE(form_->IsTrayBusy());
    TrayEvent(517);
    TrayEvent(515);
  };
  sim_.windows.menu_answers = {0};
  sim_.windows.message_box_answers = {platform::kIdNo};
  TrayEvent(517);
  EXPECT_EQ(sim_.windows.shown_menus.size(), 1u);
  EXPECT_EQ(sim_.windows.shown_boxes.size(), 1u);
  EXPECT_FALSE(form_->IsTrayBusy());
}

TEST_F(RunningBarTest, AnsweringNoKeepsTheBarAndItsIcon) {
  sim_.windows.menu_answers = {0};
  sim_.windows.message_box_answers = {platform::kIdNo};
  TrayEvent(517);
  ASSERT_EQ(sim_.windows.shown_boxes.size(), 1u);
  EXPECT_EQ(sim_.windows.shown_boxes[0].text, titles::ExitQuestion(Edition::Full));
  EXPECT_EQ(sim_.windows.shown_boxes[0].caption, "Close");
  EXPECT_EQ(sim_.windows.shown_boxes[0].style, platform::kMbYesNo);
  EXPECT_EQ(sim_.windows.shown_boxes[0].owner, form_->Handle()) << "owned by the bar";
  EXPECT_FALSE(sim_.app.HasEnded());
  EXPECT_TRUE(sim_.windows.IsVisible(form_->Handle()));
  EXPECT_TRUE(sim_.tray.HasIcon(form_->Handle(), 1));
}

TEST_F(RunningBarTest, AnsweringYesUnloadsThePanelThenTheBarThenEnds) {
  std::vector<std::string> order;
  Construct(Edition::Le, {[] {}, [&] { order.push_back("panel"); }});
  const auto handle = form_->Handle();
  sim_.log.Clear();
  sim_.windows.menu_answers = {0};
  sim_.windows.message_box_answers = {platform::kIdYes};
  TrayEvent(517);
  EXPECT_EQ(sim_.windows.shown_boxes.at(0).text, titles::ExitQuestion(Edition::Le));
  EXPECT_EQ(order, std::vector<std::string>{"panel"});
  EXPECT_FALSE(sim_.tray.HasIcon(handle, 1));
  const auto calls = sim_.log.Calls();
  const auto position = [&](const std::string& call) { return std::find(calls.begin(), calls.end(), call) - calls.begin(); };
  EXPECT_LT(position("Shell_NotifyIconA(2)"), position("DestroyWindow(" + std::to_string(handle) + ")"));
  EXPECT_LT(position("DestroyWindow(" + std::to_string(handle) + ")"), position("EndNow()"));
  EXPECT_TRUE(sim_.app.HasEnded());
}

TEST_F(RunningBarTest, ACloseFromOutsideRemovesTheIconAndCannotBeRefused) {
  const auto handle = form_->Handle();
  sim_.windows.RequestClose(handle);
  EXPECT_FALSE(sim_.tray.HasIcon(handle, 1));
  EXPECT_EQ(sim_.Window(handle), nullptr);
}

}  // namespace
}  // namespace tarnwick::main_window
