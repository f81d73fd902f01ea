// The system's search for the program of a command line, against a machine described here.
#include "skin_tools/command_search.h"

#include <gtest/gtest.h>

#include <map>

namespace tarnwick::skin_tools {
namespace {

// A Windows machine whose files are listed; anything not listed is missing, or unknown when
// `blind` (as seen from another host).
class ListedMachine : public SearchPlaces {
 public:
  std::map<std::string, FileKind> files;
  bool blind = false;

  std::vector<Place> SystemPlaces() const override {
    return {{"the system folder", "C:\\Windows\\System32"}, {"the Windows folder", "C:\\Windows"},
            {"the PATH folder C:\\Tools", "C:\\Tools"}};
  }
  FileKind Probe(const std::string& path) const override {
    const auto found = files.find(path);
    if (found != files.end()) return found->second;
    return blind && !path.starts_with("C:\\App") ? FileKind::Unknown : FileKind::Missing;
  }
  std::optional<Place> AssumedPlace(const std::string& name) const override {
    if (name == "notepad.exe") return Place{"the system folder", "C:\\Windows\\System32"};
    return std::nullopt;
  }
};

CommandStart Resolve(const ListedMachine& machine, const std::string& command) {
  return ResolveCommand(command, "C:\\App", machine);
}

TEST(CommandSearch, BareNamesAreSearchedInOrderAndGetExe) {
  ListedMachine machine;
  machine.files = {{"C:\\Windows\\System32\\calc.exe", FileKind::File}, {"C:\\Tools\\calc.exe", FileKind::File},
                   {"C:\\App\\mine.exe", FileKind::File}, {"C:\\Tools\\tool.com", FileKind::File}};
  EXPECT_EQ(Resolve(machine, "calc").program, "C:\\Windows\\System32\\calc.exe");
  EXPECT_EQ(Resolve(machine, "calc").place, "the system folder");
  EXPECT_EQ(Resolve(machine, "mine /x").place, "the program folder");
  EXPECT_EQ(Resolve(machine, "tool.com").outcome, StartOutcome::Starts);
  EXPECT_EQ(Resolve(machine, "nothing.exe").outcome, StartOutcome::NotFound);
  EXPECT_EQ(Resolve(machine, "  ").outcome, StartOutcome::Nothing);
}

TEST(CommandSearch, UnquotedPathsWithBlanksTryEachShorterNameFirst) {
  ListedMachine machine;
  machine.files = {{"C:\\Program Files\\Tool\\tool.exe", FileKind::File}};
  const CommandStart start = Resolve(machine, "C:\\Program Files\\Tool\\tool.exe /start");
  EXPECT_EQ(start.outcome, StartOutcome::Starts);
  EXPECT_EQ(start.tried, (std::vector<std::string>{"C:\\Program.exe"}));
  EXPECT_TRUE(start.needs_quotes);
  EXPECT_EQ(start.first_try, "C:\\Program.exe");
  machine.files["C:\\Program.exe"] = FileKind::File;
  EXPECT_EQ(Resolve(machine, "C:\\Program Files\\Tool\\tool.exe /start").program, "C:\\Program.exe");
  const CommandStart quoted = Resolve(machine, "\"C:\\Program Files\\Tool\\tool.exe\" /start");
  EXPECT_EQ(quoted.program, "C:\\Program Files\\Tool\\tool.exe");
  EXPECT_FALSE(quoted.needs_quotes);
  EXPECT_FALSE(Resolve(machine, "notepad.exe C:\\Windows\\win.ini").needs_quotes) << "arguments are no path";
}

TEST(CommandSearch, OnlyProgramsRunNotDocumentsFoldersOrWebAddresses) {
  ListedMachine machine;
  machine.files = {{"C:\\App\\notes.txt", FileKind::File}, {"C:\\App\\go.cmd", FileKind::File},
                   {"C:\\Data", FileKind::Folder}, {"C:\\App\\tools", FileKind::Folder}};
  EXPECT_EQ(Resolve(machine, "notes.txt").outcome, StartOutcome::Document);
  EXPECT_EQ(Resolve(machine, "missing.pdf").outcome, StartOutcome::Document);
  EXPECT_EQ(Resolve(machine, "C:\\Data").outcome, StartOutcome::Folder);
  EXPECT_EQ(Resolve(machine, "tools").outcome, StartOutcome::Folder);
  EXPECT_EQ(Resolve(machine, "http://example.org").outcome, StartOutcome::WebAddress);
  EXPECT_EQ(Resolve(machine, "www.example.org").outcome, StartOutcome::WebAddress);
  EXPECT_TRUE(Resolve(machine, "go.cmd").batch);
}

TEST(CommandSearch, WhatCannotBeSeenIsAssumedOrLeftUnchecked) {
  ListedMachine machine;
  machine.blind = true;
  EXPECT_EQ(Resolve(machine, "notepad.exe C:\\x.txt").outcome, StartOutcome::StartsAssumed);
  EXPECT_EQ(Resolve(machine, "notepad.exe C:\\x.txt").place, "the system folder C:\\Windows\\System32");
  EXPECT_EQ(Resolve(machine, "game.exe").outcome, StartOutcome::CannotCheck);
  EXPECT_EQ(Resolve(machine, "D:\\game.exe").outcome, StartOutcome::CannotCheck);
  EXPECT_EQ(Resolve(machine, "D:\\read.me").outcome, StartOutcome::Document);
}

}  // namespace
}  // namespace tarnwick::skin_tools
