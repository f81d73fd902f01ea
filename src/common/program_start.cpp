#include "common/program_start.h"

namespace tarnwick {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string WithoutLeadingBlanks(const std::string& text, std::size_t from) {
  while (from < text.size() && IsBlank(text[from])) ++from;
  return from < text.size() ? text.substr(from) : std::string();
}

}  // namespace

std::vector<ProgramAndArguments> ProgramCandidates(const std::string& command_line) {
  std::vector<ProgramAndArguments> candidates;
  const std::size_t start = command_line.find_first_not_of(" \t");
  if (start == std::string::npos) return candidates;
  if (command_line[start] == '"') {
    const std::size_t close = command_line.find('"', start + 1);
    const std::size_t end = close == std::string::npos ? command_line.size() : close;
    candidates.push_back({command_line.substr(start + 1, end - start - 1),
                          WithoutLeadingBlanks(command_line, end == command_line.size() ? end : end + 1)});
    return candidates;
  }
  for (std::size_t i = start; i <= command_line.size(); ++i) {
    if (i < command_line.size() && !IsBlank(command_line[i])) continue;
    if (i > start && !IsBlank(command_line[i - 1])) {
      candidates.push_back({command_line.substr(start, i - start), WithoutLeadingBlanks(command_line, i)});
    }
  }
  return candidates;
}

platform::StartOutcome StartCommandLine(platform::ProcessPort& processes, const std::string& command_line,
                                        int show_command) {
  const platform::StartOutcome outcome = processes.StartProgram(command_line, show_command);
  if (outcome != platform::StartOutcome::NeedsElevation) return outcome;
  for (const ProgramAndArguments& candidate : ProgramCandidates(command_line)) {
    const platform::StartOutcome elevated =
        processes.StartElevated(candidate.program, candidate.arguments, show_command);
    if (elevated != platform::StartOutcome::NotAProgram) return elevated;
  }
  return platform::StartOutcome::NotAProgram;
}

}  // namespace tarnwick
