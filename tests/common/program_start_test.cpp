#include "common/program_start.h"

#include <gtest/gtest.h>

#include "platform/sim/call_log.h"
#include "platform/sim/sim_recorders.h"

namespace tarnwick {
namespace {

using platform::StartOutcome;

std::vector<std::string> Split(const std::string& command_line) {
  std::vector<std::string> out;
  for (const ProgramAndArguments& candidate : ProgramCandidates(command_line)) {
    out.push_back(candidate.program + "|" + candidate.arguments);
  }
  return out;
}

TEST(ProgramCandidatesTest, FollowTheSystemsReadingOfACommandLine) {
  EXPECT_EQ(Split("\"C:\\Program Files\\Tool\\tool.exe\"  /a \"b c\""),
            (std::vector<std::string>{"C:\\Program Files\\Tool\\tool.exe|/a \"b c\""}));
  EXPECT_EQ(Split("  \"C:\\No End\\x.exe"), (std::vector<std::string>{"C:\\No End\\x.exe|"}));
  EXPECT_EQ(Split("C:\\Program Files\\a.exe  -x\ty"),
            (std::vector<std::string>{"C:\\Program|Files\\a.exe  -x\ty", "C:\\Program Files\\a.exe|-x\ty",
                                      "C:\\Program Files\\a.exe  -x|y", "C:\\Program Files\\a.exe  -x\ty|"}));
  EXPECT_EQ(Split("regedit.exe"), (std::vector<std::string>{"regedit.exe|"}));
  EXPECT_TRUE(ProgramCandidates("").empty());
  EXPECT_TRUE(ProgramCandidates(" \t ").empty());
}

class ElevationTest : public ::testing::Test {
 protected:
  ElevationTest() : processes_(log_) {
    processes_.installed_programs = {"notepad.exe", "C:\\Windows\\regedit.exe", "C:\\Admin Tools\\taskmgr.exe"};
    processes_.elevated_programs = {"C:\\Windows\\regedit.exe", "C:\\Admin Tools\\taskmgr.exe"};
  }
  StartOutcome Start(const std::string& command_line) { return StartCommandLine(processes_, command_line, 1); }

  sim::CallLog log_;
  sim::SimProcesses processes_;
};

TEST_F(ElevationTest, AProgramThatNeedsRaisedRightsIsAskedForThemWithItsOwnArguments) {
  EXPECT_EQ(Start("C:\\Windows\\regedit.exe /m  \"key name\""), StartOutcome::Started);
  EXPECT_EQ(processes_.started_elevated, (std::vector<std::string>{"C:\\Windows\\regedit.exe|/m  \"key name\""}));
  EXPECT_EQ(log_.Matching("Start"),
            (std::vector<std::string>{"StartProgram(C:\\Windows\\regedit.exe /m  \"key name\",1)",
                                      "StartElevated(C:\\Windows\\regedit.exe,/m  \"key name\",1)"}));
  EXPECT_TRUE(processes_.started.empty());
}

TEST_F(ElevationTest, AnUnquotedPathWithBlanksIsAskedForWithTheProgramTheSystemFound) {
  EXPECT_EQ(Start("C:\\Admin Tools\\taskmgr.exe /7"), StartOutcome::Started);
  EXPECT_EQ(log_.Matching("StartElevated"),
            (std::vector<std::string>{"StartElevated(C:\\Admin,Tools\\taskmgr.exe /7,1)",
                                      "StartElevated(C:\\Admin Tools\\taskmgr.exe,/7,1)"}));
  EXPECT_EQ(processes_.started_elevated, (std::vector<std::string>{"C:\\Admin Tools\\taskmgr.exe|/7"}));
}

TEST_F(ElevationTest, OnlyTheNeedForRaisedRightsLeadsToThePrompt) {
  EXPECT_EQ(Start("notepad.exe readme.txt"), StartOutcome::Started);
  EXPECT_EQ(Start("readme.txt"), StartOutcome::NotAProgram);  // a document is never opened
  EXPECT_EQ(Start("\xea\xb0\x92\xec\x9d\xb4 \xec\x97\x86\xec\x8a\xb5\xeb\x8b\x88\xeb\x8b\xa4."), StartOutcome::NotAProgram);
  EXPECT_EQ(Start(""), StartOutcome::NotAProgram);
  EXPECT_TRUE(log_.Matching("StartElevated").empty());
  EXPECT_EQ(processes_.started, (std::vector<std::string>{"notepad.exe readme.txt"}));
}

TEST_F(ElevationTest, ADeclinedPromptIsTheQuietEndAndIsNotAskedAgain) {
  processes_.decline_elevation = true;
  EXPECT_EQ(Start("C:\\Windows\\regedit.exe"), StartOutcome::Cancelled);
  EXPECT_EQ(log_.Matching("StartElevated").size(), 1u);
  EXPECT_TRUE(processes_.started.empty());
  EXPECT_TRUE(processes_.started_elevated.empty());
}

}  // namespace
}  // namespace tarnwick
