// Compares the simulated INI lookups with the system's GetPrivateProfileStringA, run under Wine
// in code page 949 by each Windows build's ini_probe.exe, on a set of awkward files; and the
// launcher's ReadConfigValue over both backends. Skips when Wine or the Windows builds are
// missing (build the target ini_probe of the mingw presets before running the tests); under the
// test command that is a failure, but for the 32-bit probe where the 32-bit Wine is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "config/config_reader.h"
#include "platform/common/utf8.h"
#include "platform/sim/cp949_code_page.h"
#include "platform/sim/sim_ini.h"
#include "platform/sim/test_double/temporary_folder.h"
#include "support/wine_probe.h"

namespace tarnwick {
namespace {

using namespace std::string_literals;
using testing::ProbeAnswer;

const sim::Cp949CodePage kCodePage;
std::string Cp949(const std::string& utf8) { return kCodePage.FromUtf8(utf8); }

struct AwkwardFile {
  std::string name;
  std::string bytes;
};

struct ReferenceLookup {
  std::string file;  // one of the awkward files, or a name that is no file there
  std::string section, key;
  std::string default_text = "DEF";
  std::size_t size = 255;
  // The system reports one byte more than it wrote when a double-byte character does not fit
  // in the last byte; the simulation stores and reports only whole characters.
  bool system_leaves_last_byte_unwritten = false;
  // Looked up with ReadConfigValue (section and key in UTF-8) instead of one system call.
  bool through_config_reader = false;
};

ReferenceLookup ConfigLookup(const std::string& file, const std::string& section, const std::string& key) {
  return {file, section, key, "", 0, false, true};
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// Deterministic noise: every byte value, then bytes from a linear congruential generator.
std::string BinaryGarbage() {
  std::string bytes;
  for (int i = 0; i < 1024; ++i) bytes.push_back(static_cast<char>(i));
  unsigned state = 12345;
  for (int i = 0; i < 20000; ++i) {
    state = state * 1103515245u + 12345u;
    bytes.push_back(static_cast<char>(state >> 16));
  }
  return bytes + "\n\n[s]\nk=after garbage\n";  // a last lead byte would take one line end
}

std::vector<AwkwardFile> AwkwardFiles() {
  return {
      {"basic.ini",
       "[option1]\r\ntransparency=220\r\n[BG1]\nimage = back.jpg  \n[Q]\na=\"quoted\"\nb='single'\n"
       "c=\"one side\nd=one side\"\ne=\"\nf=\"\"\ng=  \"  spaced  \"  \nh=x=y=z\nmy key = v1\n"
       "  indented=v2\nnoequals\n=blank key\nmixed='both\"\n[dup]\na=first\na=second\n[Dup]\nb=in second\n"
       "[hdr] trailing text\nk=header\n[ sp ]\nk=spaced\n[a]b]\nk=bracket\n[unclosed\nk=unclosed\n"
       "[x=1\n"},
      {"blanks.ini", "[\tTab\t]\nk=2\n[x y]\nk=3\n\x1a[sub]\x1a\nk\x1a=\x1av\x1a\n[vt]\nk=\x0bv\x0c\n"
                     "[ideo]\n\xa1\xa1k2=v2\nk3=\xa1\xa1v3\xa1\xa1\n"},
      {"nul-bytes.ini", "[s\0x]\nk=1\n[t]\nk\0z=2\nv=ab\0cd\nw=\0\n[u]\0junk\nk=3\nm=1 \0\nn=2\n\0[v]\nk=4\n"s},
      {"nul-first.ini", "\0[u]\nk=6\n"s},
      {"no-line-end.ini", "[s]\nk=last"},
      {"line-ends.ini", "[s]\rk=cr\r[t]\r\nk=crlf\n\n\r\r[u]\n\rk=lf"},
      {"long-lines.ini", "[s]\nk=" + std::string(100000, 'x') + "\nj=after\nl=" + std::string(300, 'y') + "\n[" +
                             std::string(100000, 'n') + "]\nk=long section\n[" +
                             std::string(32766, 'n') + "]\nk=longest section\n[" + Cp949(Repeat("가", 20000)) +
                             "]\nk=long korean\n"},
      {"korean.ini", Cp949("[Tarnwick™]\nPUrl1=문서\n[가a]\nk=1\n[option1]\nx=" + Repeat("가", 200) + "\ny=a" +
                           Repeat("가", 200) + "\nz=\"" + Repeat("가", 126) + "\"\nw=\"" + Repeat("가", 127) +
                           "\"\n")},
      {"lead-byte.ini", "[s]\nk=ab\xb0\nj=next\n[t]\nk=\xb0\xa1\n[u]\nk=a\x80" "b\xff" "c\xc9\xa1" "d\xfe\xfe" "e\xa2\xe8" "f\n"
                        "[v]\nk=ab\xb0"},
      {"letter-case.ini", Cp949("[ＡＢ]\nk=fullwidth\n[ΑΒ]\nk=greek\n[ДЖ]\nk=cyrillic\n") +
                              "[U]\n\xb0\x41=big\n\xb0\x61=small\n"},  // trail bytes that are ASCII letters
      {"before-section.ini", "k=before\n[]\nk=empty name\n[s]\nk=1\n"},
      {"utf8-bom.ini", "\xef\xbb\xbf[s]\nk=\xe2\x98\x83\xed\x95\x9c\nbad=\xff\xfe\n"},
      {"utf8-bom-broken.ini", "\xef\xbb\xbf[s]\na=[\xe1\xb0" "A]\nb=[\xed\xa0\x80]\nc=[\xe0\x80\x80]\nd=[\xf0\x80\x80\x80]\n"
                              "e=[\xf4\x90\x80\x80]\nf=[\xc1\x80\xf5\x80\xf8]\ng=[\xf0\x9f\x98]\nh=[\xf0" "A"},
      {"utf16le-bom.ini", "\xff\xfe[\0u\0]\0\n\0k\0=\0\x5c\xd5\x03\x26\n\0"s},
      {"utf16be-bom.ini", "\xfe\xff\0[\0u\0]\0\n\0k\0=\0007\0\n"s},
      {"utf16le-no-bom.ini", "[\0u\0]\0\n\0k\0=\0007\0\n\0"s},
      {"empty.ini", ""},
      {"comments.ini", "; skin\n[s]\nk=v ; note\n;k=commented\n# hash=1\n[s2] ; note\nk=2\n"},
      {"utf8-bom-korean.ini", "\xef\xbb\xbf[Tarnwick™]\nPUrl1=문서\nbest fit=Café ©😀\n"},
      {"bad-pairs.ini", "[a\xa2\xe8]\nk=unassigned pair\n[b]\nk=ab\xb0\0cd\n"s},
      {"utf8-no-bom.ini", "[Tarnwick™]\nPUrl1=문서\n[next]\nk=1\n"},
      {"binary.ini", BinaryGarbage()},
  };
}

std::vector<ReferenceLookup> ReferenceLookups() {
  const std::string missing = Cp949("값이 없습니다.");
  return {
      {"lead-byte.ini", "s", "k"},  // first: shows at once whether Wine ran in code page 949
      {"basic.ini", "option1", "transparency"}, {"basic.ini", "OPTION1", "TRANSPARENCY"},
      {"basic.ini", "BG1", "image"}, {"basic.ini", "Q", "a"}, {"basic.ini", "Q", "b"}, {"basic.ini", "Q", "c"},
      {"basic.ini", "Q", "d"}, {"basic.ini", "Q", "e"}, {"basic.ini", "Q", "f"}, {"basic.ini", "Q", "g"},
      {"basic.ini", "Q", "h"}, {"basic.ini", "Q", "my key"}, {"basic.ini", "Q", " my key "},
      {"basic.ini", "Q", "mykey"}, {"basic.ini", "Q", "indented"}, {"basic.ini", "Q", "noequals"},
      {"basic.ini", "Q", ""}, {"basic.ini", "Q", "mixed"}, {"basic.ini", "dup", "a"}, {"basic.ini", "dup", "b"},
      {"basic.ini", "hdr", "k"}, {"basic.ini", "hdr] trailing text", "k"}, {"basic.ini", "sp", "k"},
      {"basic.ini", " sp ", "k"}, {"basic.ini", "a]b", "k"}, {"basic.ini", "a", "k"},
      {"basic.ini", "unclosed", "k"}, {"basic.ini", "a]b", "[unclosed"}, {"basic.ini", "a]b", "[x"},
      {"basic.ini", "Q", "a", "DEF", 0}, {"basic.ini", "Q", "a", "DEF", 1}, {"basic.ini", "Q", "a", "DEF", 4},
      {"basic.ini", "Q", "a", "DEF", 7}, {"basic.ini", "Q", "a", "DEF", 8}, {"basic.ini", "none", "x", "default  "},
      {"basic.ini", "none", "x", "   "}, {"basic.ini", "none", "x", "\"quoted default\""},
      {"basic.ini", "none", "x", "abcdefgh", 4}, {"basic.ini", "none", "x", missing},
      {"basic.ini", "none", "x", missing, 4, true}, {"basic.ini", "none", "x", missing, 5},
      // A lead byte at the end of a name or of the default text is converted with the NUL.
      {"basic.ini", "none", "x", "a\xb0"}, {"basic.ini", "none", "x", "a\xb0\xa1\xb0"}, {"basic.ini", "Q", "a\xb0"},
      {"before-section.ini", "\xa1", "k"}, {"basic.ini", "Q\xfe", "b"},
      {"blanks.ini", "Tab", "k"}, {"blanks.ini", "x y", "k"}, {"blanks.ini", "x  y", "k"}, {"blanks.ini", "sub", "k"},
      {"blanks.ini", "vt", "k"}, {"blanks.ini", "ideo", "k2"}, {"blanks.ini", "ideo", "\xa1\xa1k2"},
      {"blanks.ini", "ideo", "k3"},
      {"nul-bytes.ini", "s", "k"}, {"nul-bytes.ini", "t", "k"}, {"nul-bytes.ini", "t", "v"},
      {"nul-bytes.ini", "t", "w"}, {"nul-bytes.ini", "u", "k"}, {"nul-bytes.ini", "u", "m"},
      {"nul-bytes.ini", "u", "n"}, {"nul-bytes.ini", "v", "k"}, {"nul-first.ini", "u", "k"},
      {"no-line-end.ini", "s", "k"}, {"line-ends.ini", "s", "k"}, {"line-ends.ini", "t", "k"},
      {"line-ends.ini", "u", "k"}, {"long-lines.ini", "s", "k"}, {"long-lines.ini", "s", "j"},
      // Names of 32767 units or more are left out: the system call then reads uninitialised
      // memory (32-bit Wine crashes, 64-bit Wine returns the default text).
      {"long-lines.ini", "s", "l"}, {"long-lines.ini", std::string(32766, 'n'), "k"},
      {"long-lines.ini", Cp949(Repeat("가", 20000)), "k"},
      {"korean.ini", Cp949("Tarnwick™"), "PUrl1"}, {"korean.ini", Cp949("TARNWICK™"), "purl1"},
      {"korean.ini", Cp949("가A"), "k"}, {"korean.ini", "option1", "x"},
      {"korean.ini", "option1", "y", "DEF", 255, true}, {"korean.ini", "option1", "z"},
      {"korean.ini", "option1", "w"},
      {"lead-byte.ini", "s", "j"}, {"lead-byte.ini", "t", "k"}, {"lead-byte.ini", "u", "k"},
      {"lead-byte.ini", "v", "k"},
      {"letter-case.ini", Cp949("ａｂ"), "k"}, {"letter-case.ini", Cp949("ＡＢ"), "k"},
      {"letter-case.ini", Cp949("αβ"), "k"}, {"letter-case.ini", Cp949("дж"), "k"},
      {"letter-case.ini", "u", "\xb0\x61"}, {"letter-case.ini", "u", "\xb0\x41"},
      {"before-section.ini", "", "k"}, {"before-section.ini", "s", "k"},
      {"utf8-bom.ini", "s", "k"}, {"utf8-bom.ini", "s", "bad"},
      {"utf8-bom-broken.ini", "s", "a"}, {"utf8-bom-broken.ini", "s", "b"}, {"utf8-bom-broken.ini", "s", "c"},
      {"utf8-bom-broken.ini", "s", "d"}, {"utf8-bom-broken.ini", "s", "e"}, {"utf8-bom-broken.ini", "s", "f"},
      {"utf8-bom-broken.ini", "s", "g"}, {"utf8-bom-broken.ini", "s", "h"}, {"utf16le-bom.ini", "u", "k"},
      {"utf16be-bom.ini", "u", "k"}, {"comments.ini", "s", "k"}, {"comments.ini", "s", ";k"},
      {"comments.ini", "s", "# hash"}, {"comments.ini", "s2", "k"}, {"comments.ini", "", "; skin"},
      {"utf8-bom-korean.ini", Cp949("Tarnwick™"), "PUrl1"}, {"utf8-bom-korean.ini", Cp949("Tarnwick™"), "best fit"},
      {"bad-pairs.ini", "a?", "k"}, {"bad-pairs.ini", "b", "k"}, {"utf8-no-bom.ini", Cp949("Tarnwick™"), "PUrl1"},
      {"utf8-no-bom.ini", "Tarnwick\xe2\x84\xa2", "PUrl1"}, {"utf8-no-bom.ini", "next", "k"}, {"utf16le-no-bom.ini", "u", "k"}, {"empty.ini", "s", "k"},
      {"binary.ini", "s", "k"}, {"binary.ini", "", "k"}, {"missing.ini", "s", "k", "\"quoted\"  "},
      {"folder.ini", "s", "k"},
      // The whole lookup convention: Win32CodePage and Win32Ini against their simulations.
      ConfigLookup("korean.ini", "Tarnwick™", "PUrl1"), ConfigLookup("korean.ini", "option1", "x"),
      ConfigLookup("korean.ini", "option1", "y"), ConfigLookup("korean.ini", "option1", "z"),
      ConfigLookup("basic.ini", "OPTION1", "transparency"), ConfigLookup("basic.ini", "Q", "a"),
      ConfigLookup("long-lines.ini", "s", "k"), ConfigLookup("utf8-bom-korean.ini", "Tarnwick™", "PUrl1"),
      ConfigLookup("missing.ini", "s", "k"), ConfigLookup("folder.ini", "s", "k"),
  };
}

ProbeAnswer AskSimulation(sim::SimIni& ini, const ReferenceLookup& lookup, const std::filesystem::path& folder) {
  const std::string path = (folder / lookup.file).string();
  if (lookup.through_config_reader) {
    const std::string value = config::ReadConfigValue(ini, kCodePage, path, lookup.section, lookup.key);
    return {value.size(), value, true};
  }
  std::vector<char> buffer(lookup.size + 1, '~');
  const std::size_t count =
      ini.ReadProfileString(lookup.section, lookup.key, lookup.default_text, buffer.data(), lookup.size, path);
  const bool terminated = count < buffer.size() && buffer[count] == '\0';
  return {count, std::string(buffer.data(), std::min(count, buffer.size())), terminated};
}

std::string Describe(const ReferenceLookup& lookup) {
  std::ostringstream text;
  text << lookup.file << " [" << lookup.section.substr(0, 40) << "] " << lookup.key << " default \""
       << lookup.default_text << "\" size " << lookup.size;
  return text.str();
}

void ExpectSameAnswer(const ProbeAnswer& system, const ProbeAnswer& simulated, const ReferenceLookup& lookup) {
  SCOPED_TRACE(Describe(lookup));
  if (lookup.system_leaves_last_byte_unwritten) {
    EXPECT_EQ(system.count, simulated.count + 1);
    EXPECT_EQ(system.bytes, simulated.bytes + "~");
  } else {
    EXPECT_EQ(system.count, simulated.count);
    EXPECT_EQ(system.bytes, simulated.bytes);
  }
  EXPECT_EQ(system.terminated, simulated.terminated);
}

std::vector<std::filesystem::path> WindowsBuilds() {
  std::vector<std::filesystem::path> builds;
  std::istringstream list(TARNWICK_WIN_BUILDS);
  for (std::string folder; std::getline(list, folder, '|');) builds.emplace_back(folder);
  return builds;
}

// Skips the test, or fails it where nothing may be missing, when its probe cannot run here.
void RequireProbe(const testing::WineProbe& probe) {
  const std::string reason = probe.UnavailableReason();
  if (reason.empty()) return;
  if (probe.MaySkip()) GTEST_SKIP() << reason;
  FAIL() << reason;
}

class ProfileWineReference : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(ProfileWineReference, SimulatedLookupsAnswerLikeTheSystemCall) {
  const testing::WineProbe probe(GetParam() / "ini_probe.exe",
                                 std::filesystem::path(TARNWICK_BINARY_DIR) / "ini-probe");
  RequireProbe(probe);
  if (IsSkipped() || HasFatalFailure()) return;

  const sim::TemporaryFolder folder;
  for (const auto& file : AwkwardFiles()) {
    std::ofstream(folder.Path() / file.name, std::ios::binary) << file.bytes;
  }
  std::filesystem::create_directory(folder.Path() / "folder.ini");
  const auto lookups = ReferenceLookups();
  std::vector<testing::ProbeLookup> probe_lookups;
  for (const auto& lookup : lookups) {
    probe_lookups.push_back({testing::WineDrivePath(folder.Path() / lookup.file), lookup.section, lookup.key,
                             lookup.default_text, lookup.size, lookup.through_config_reader});
  }
  std::string error;
  const auto answers = probe.Run(probe_lookups, error);
  ASSERT_TRUE(answers) << error;

  sim::CallLog log;
  sim::SimIni ini(log);
  ASSERT_EQ(AskSimulation(ini, lookups[0], folder.Path()).bytes, (*answers)[0].bytes)
      << "Wine did not read in code page 949: is the ko_KR.UTF-8 locale usable?";
  for (std::size_t i = 0; i < lookups.size(); ++i) {
    ExpectSameAnswer((*answers)[i], AskSimulation(ini, lookups[i], folder.Path()), lookups[i]);
  }
}

// The simulation's conversions in the order of WineProbe::DumpCodePage.
std::vector<std::string> SimulatedCodePageDump() {
  std::vector<std::string> conversions;
  for (char32_t code_point = 0x80; code_point <= 0xFFFF; ++code_point) {
    if (code_point >= 0xD800 && code_point <= 0xDFFF) continue;
    std::string utf8;
    platform::AppendUtf8(utf8, code_point);
    conversions.push_back(kCodePage.FromUtf8(utf8));
  }
  for (int first = 0x80; first <= 0xFF; ++first) {
    for (int second = 0; second <= 0xFF; ++second) {
      conversions.push_back(kCodePage.ToUtf8(std::string{static_cast<char>(first), static_cast<char>(second)}));
    }
  }
  return conversions;
}

TEST_P(ProfileWineReference, SimulatedCodePageConvertsLikeTheSystem) {
  const testing::WineProbe probe(GetParam() / "ini_probe.exe",
                                 std::filesystem::path(TARNWICK_BINARY_DIR) / "ini-probe");
  RequireProbe(probe);
  if (IsSkipped() || HasFatalFailure()) return;
  std::string error;
  const auto system = probe.DumpCodePage(error);
  ASSERT_TRUE(system) << error;
  const auto simulated = SimulatedCodePageDump();
  ASSERT_EQ(system->size(), simulated.size());
  int differences = 0;
  for (std::size_t i = 0; i < simulated.size() && differences < 10; ++i) {
    if ((*system)[i] != simulated[i]) {
      ++differences;
      ADD_FAILURE() << "conversion " << i << ": system \"" << (*system)[i] << "\", simulated \"" << simulated[i] << '"';
    }
  }
}

INSTANTIATE_TEST_SUITE_P(WindowsBuilds, ProfileWineReference, ::testing::ValuesIn(WindowsBuilds()),
                         [](const auto& info) {
                           std::string name = info.param.filename().string();
                           std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
                           return name;
                         });

}  // namespace
}  // namespace tarnwick
