// The search for the program a command line starts, on arbitrary command lines and machines.
// The first input byte seeds what the machine holds: each path is a file, a folder, missing or
// unknown by a hash of its lower-case text, so that every outcome is reachable. Checked: the
// same question gives the same answer; a program that starts is a file of a program type that
// the machine has; a web address, an empty line and a quoting hazard are what they say.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin_tools/command_search.h"
#include "support/fuzz_input.h"

namespace {

using namespace tarnwick::skin_tools;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

class HashedMachine final : public SearchPlaces {
 public:
  explicit HashedMachine(std::uint8_t seed) : seed_(seed) {}
  std::vector<Place> SystemPlaces() const override {
    return {{"the system folder", "C:\\Windows\\system32"}, {"the Windows folder", "C:\\Windows"},
            {"a folder of PATH", "D:\\Tools"}};
  }
  FileKind Probe(const std::string& windows_path) const override {
    unsigned hash = seed_;
    for (const unsigned char c : Lower(windows_path)) hash = hash * 31 + c;
    return FileKind(hash % 4);
  }
  std::optional<Place> AssumedPlace(const std::string& file_name) const override {
    if (file_name != "notepad.exe" && file_name != "cmd.exe") return std::nullopt;
    return Place{"the system folder", "C:\\Windows\\system32"};
  }

 private:
  std::uint8_t seed_;
};

bool IsProgramType(const std::string& path) {
  const std::string lower = Lower(path);
  return lower.ends_with(".exe") || lower.ends_with(".com") || lower.ends_with(".bat") || lower.ends_with(".cmd");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tarnwick::fuzz::FuzzInput input(data, size);
  const HashedMachine machine(input.Byte());
  const std::string line(input.Rest());
  const CommandStart start = ResolveCommand(line, "C:\\Launcher", machine);
  const CommandStart again = ResolveCommand(line, "C:\\Launcher", machine);
  if (start.outcome != again.outcome || start.program != again.program || start.tried != again.tried) std::abort();
  const bool blank = line.find_first_not_of(" \t") == std::string::npos;
  if (blank != (start.outcome == StartOutcome::Nothing)) std::abort();
  if (start.outcome == StartOutcome::Starts) {
    if (machine.Probe(start.program) != FileKind::File || !IsProgramType(start.program)) std::abort();
    const std::string lower = Lower(start.program);
    if (start.batch != (lower.ends_with(".bat") || lower.ends_with(".cmd"))) std::abort();
  }
  if (start.outcome == StartOutcome::WebAddress && line.find_first_of(":.") == std::string::npos) std::abort();
  if (start.needs_quotes && (line.find('"') == line.find_first_not_of(" \t") || !IsProgramType(start.intended)))
    std::abort();
  return 0;
}
