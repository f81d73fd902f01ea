// What a click starts: the command line the launcher hands to the system's process start.
#include "skin_tools/lookup_findings.h"

namespace tarnwick::skin_tools {
namespace {

std::string Shown(const std::string& path) { return HostPaths::Relative(path); }

Finding Outcome(const Lookup& lookup, const CommandStart& start) {
  const std::string program = Shown(start.program);
  switch (start.outcome) {
    case StartOutcome::Starts:
      return FindingFor(lookup, Severity::Ok,
                        "starts " + program + ", found in " + start.place +
                            (start.batch ? " (a batch file: the system runs it through the command interpreter)." : "."));
    case StartOutcome::StartsAssumed:
      return FindingFor(lookup, Severity::Ok,
                        "starts " + program + " from " + start.place + " (assumed: every Windows has it there).");
    case StartOutcome::CannotCheck:
      return FindingFor(lookup, Severity::Warning,
                        "starts " + program + " if the Windows machine has it: it is not in the program folder, and " +
                            "the system folders, the PATH and other drives of that machine cannot be seen from here.");
    case StartOutcome::NotFound:
      return FindingFor(lookup, Severity::Error,
                        program + " is neither in the program folder, nor in the system folders or the PATH: a click does nothing.");
    case StartOutcome::Document:
      return FindingFor(lookup, Severity::Error,
                        program + " is a document, not a program; the launcher starts programs only and opens no "
                                  "documents, so a click does nothing. Name the program that opens it before it.");
    case StartOutcome::Folder:
      return FindingFor(lookup, Severity::Error,
                        program + " is a folder; the launcher opens no folders, so a click does nothing. Use explorer.exe " +
                            program + " instead.");
    case StartOutcome::WebAddress:
      return FindingFor(lookup, Severity::Error,
                        "a web address; the launcher opens none, so a click does nothing. Name the browser's program "
                        "with the address after it.");
    case StartOutcome::Nothing: break;
  }
  return FindingFor(lookup, Severity::Note, "empty: a click does nothing.");
}

}  // namespace

std::vector<Finding> CommandFindings(const Lookup& lookup, const LookupContext& context) {
  if (!context.IsSet(lookup)) return {FindingFor(lookup, Severity::Note, "not set: a click does nothing.")};
  const CommandStart start = ResolveCommand(lookup.argument, kProgramFolder, context.places);
  std::vector<Finding> findings{Outcome(lookup, start)};
  if (context.IsCut(lookup)) {
    findings.front().message += " The command is longer than 254 bytes and is cut there.";
    findings.front().severity = Severity::Error;
  }
  if (start.needs_quotes) {
    findings.push_back(FindingFor(lookup, Severity::Warning,
                                  "the program's path has a blank and no quotes: the start first tries " +
                                      Shown(start.first_try) +
                                      "; write it as \"" + start.intended + "\" to be sure."));
  }
  return findings;
}

}  // namespace tarnwick::skin_tools
