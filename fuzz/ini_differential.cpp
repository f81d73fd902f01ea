// The differential campaign of the INI reader: random files (ini_file_maker.h) looked up
// through the simulated platform's reader and through the system's GetPrivateProfileStringA,
// run by the Windows build's ini_probe.exe under Wine in code page 949, many files per Wine
// start. Prints how many answers agree, how many differ in the known way (a double-byte
// character that does not fit in the last byte: the system reports it but leaves the byte
// unwritten) or in the way that the file does not decide (a UTF-16 file of odd length: the
// system reads its last byte with a byte from past the end of the file), and keeps each other
// disagreement, file and lookup, in WORK/disagreements.
//
//   ini_differential PROBE_EXE WORK FILES [SEED] [FILES_PER_RUN]
//   ini_differential --recheck WORK
// The second form asks the simulation again about each kept disagreement (after a change to
// the reader) and prints those that still differ from the system's answer.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "ini_file_maker.h"
#include "platform/sim/cp949_code_page.h"
#include "platform/sim/sim_ini.h"
#include "support/wine_probe.h"

namespace {

using namespace tarnwick;

struct Tally {
  std::size_t files = 0, lookups = 0, same = 0, unwritten_last_byte = 0, odd_utf16 = 0, other = 0;
};

std::string Hex(const std::string& bytes) {
  std::string hex;
  char pair[4];
  for (const unsigned char c : bytes) {
    std::snprintf(pair, sizeof pair, "%02x", c);
    hex += pair;
  }
  return hex;
}

// A UTF-16 file (by its mark) of odd length: what the system makes of its last byte depends on
// memory past the file's end, so the answers about the value that ends there cannot be compared.
bool EndsInHalfAUnit(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  char mark[2] = {};
  in.read(mark, 2);
  const bool utf16 = (mark[0] == '\xFF' && mark[1] == '\xFE') || (mark[0] == '\xFE' && mark[1] == '\xFF');
  return utf16 && std::filesystem::file_size(file) % 2 == 1;
}

testing::ProbeAnswer Simulate(const std::filesystem::path& file, const fuzz::MadeLookup& lookup) {
  std::vector<char> buffer(lookup.size + 1, '~');
  sim::ProfileFileReader reader(sim::SharedCp949CodePage());
  const std::size_t count =
      reader.Read(file, lookup.section, lookup.key, lookup.default_text, buffer.data(), lookup.size);
  const bool terminated = count < buffer.size() && buffer[count] == '\0';
  return {count, std::string(buffer.data(), std::min(count, buffer.size())), terminated};
}

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(char(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

// Reads back a disagreement that Keep wrote: the lookup and the system's answer.
testing::ProbeAnswer ReadKept(const std::filesystem::path& kept, fuzz::MadeLookup& lookup) {
  std::ifstream in(kept);
  std::map<std::string, std::vector<std::string>> fields;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string name;
    words >> name;
    for (std::string word; words >> word;) fields[name].push_back(word);
    if (fields[name].empty()) fields[name].push_back("");
  }
  lookup = {FromHex(fields["section"][0]), FromHex(fields["key"][0]), FromHex(fields["default"][0]),
            std::stoul(fields["size"][0])};
  const auto& system = fields["system"];
  return {std::stoul(system[0]), system.size() > 2 ? FromHex(system[1]) : "", system.back() == "1"};
}

int Recheck(const std::filesystem::path& work) {
  std::size_t kept = 0, still = 0, odd_utf16 = 0;
  for (const auto& entry : std::filesystem::directory_iterator(work / "disagreements")) {
    if (entry.path().extension() != ".txt") continue;
    ++kept;
    fuzz::MadeLookup lookup;
    const testing::ProbeAnswer system = ReadKept(entry.path(), lookup);
    auto file = entry.path();
    const testing::ProbeAnswer simulated = Simulate(file.replace_extension(".ini"), lookup);
    if (simulated.count == system.count && simulated.bytes == system.bytes && simulated.terminated == system.terminated)
      continue;
    if (EndsInHalfAUnit(file)) {
      ++odd_utf16;
      continue;
    }
    ++still;
    std::printf("%s still differs\n", entry.path().string().c_str());
  }
  std::printf("kept %zu, odd-utf16-end %zu, still differing %zu\n", kept, odd_utf16, still);
  return still == 0 ? 0 : 1;
}

void Keep(const std::filesystem::path& folder, std::size_t index, const std::filesystem::path& file,
          const fuzz::MadeLookup& lookup, const testing::ProbeAnswer& system, const testing::ProbeAnswer& simulated) {
  const std::string stem = (folder / std::to_string(index)).string();
  std::filesystem::copy_file(file, stem + ".ini", std::filesystem::copy_options::overwrite_existing);
  std::ofstream(stem + ".txt") << "section " << Hex(lookup.section) << "\nkey " << Hex(lookup.key) << "\ndefault "
                               << Hex(lookup.default_text) << "\nsize " << lookup.size << "\nsystem " << system.count
                               << ' ' << Hex(system.bytes) << ' ' << system.terminated << "\nsimulated "
                               << simulated.count << ' ' << Hex(simulated.bytes) << ' ' << simulated.terminated
                               << '\n';
}

// One Wine start: writes the files, asks both readers, tallies the answers.
bool RunBatch(fuzz::IniFileMaker& maker, std::size_t files, const testing::WineProbe& probe,
              const std::filesystem::path& work, Tally& tally) {
  const std::filesystem::path batch = work / "batch", kept = work / "disagreements";
  std::filesystem::remove_all(batch);
  std::filesystem::create_directories(batch);
  std::filesystem::create_directories(kept);
  std::vector<std::pair<std::filesystem::path, fuzz::MadeLookup>> asked;
  std::vector<testing::ProbeLookup> lookups;
  for (std::size_t i = 0; i < files; ++i) {
    const fuzz::MadeFile made = maker.Next();
    const std::filesystem::path file = batch / (std::to_string(tally.files + i) + ".ini");
    std::ofstream(file, std::ios::binary) << made.bytes;
    for (const auto& lookup : made.lookups) {
      asked.emplace_back(file, lookup);
      lookups.push_back({testing::WineDrivePath(file), lookup.section, lookup.key, lookup.default_text, lookup.size});
    }
  }
  std::string error;
  const auto answers = probe.Run(lookups, error);
  if (!answers) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
  }
  for (std::size_t i = 0; i < asked.size(); ++i) {
    const testing::ProbeAnswer& system = (*answers)[i];
    const testing::ProbeAnswer simulated = Simulate(asked[i].first, asked[i].second);
    if (system.count == simulated.count && system.bytes == simulated.bytes && system.terminated == simulated.terminated) {
      ++tally.same;
    } else if (system.count == simulated.count + 1 && system.bytes == simulated.bytes + "~" && system.terminated) {
      ++tally.unwritten_last_byte;
    } else if (EndsInHalfAUnit(asked[i].first)) {
      ++tally.odd_utf16;
    } else {
      Keep(kept, tally.other++, asked[i].first, asked[i].second, system, simulated);
    }
  }
  tally.files += files;
  tally.lookups += asked.size();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--recheck") return Recheck(argv[2]);
  if (argc < 4) {
    std::fprintf(stderr, "usage: ini_differential PROBE_EXE WORK FILES [SEED] [FILES_PER_RUN]\n");
    return 2;
  }
  const std::filesystem::path work = std::filesystem::absolute(argv[2]);
  const testing::WineProbe probe(argv[1], work);
  if (const std::string reason = probe.UnavailableReason(); !reason.empty()) {
    std::fprintf(stderr, "cannot run: %s\n", reason.c_str());
    return 2;
  }
  const std::size_t total = std::stoul(argv[3]);
  fuzz::IniFileMaker maker(argc > 4 ? std::stoull(argv[4]) : 1);
  const std::size_t per_run = argc > 5 ? std::stoul(argv[5]) : 5000;
  Tally tally;
  while (tally.files < total) {
    if (!RunBatch(maker, std::min(per_run, total - tally.files), probe, work, tally)) return 1;
    std::printf("files %zu lookups %zu same %zu unwritten-last-byte %zu odd-utf16-end %zu other %zu\n", tally.files,
                tally.lookups, tally.same, tally.unwritten_last_byte, tally.odd_utf16, tally.other);
    std::fflush(stdout);
  }
  return tally.other == 0 ? 0 : 1;
}
