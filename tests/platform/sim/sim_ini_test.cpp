#include "platform/sim/sim_ini.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "platform/sim/test_double/temporary_folder.h"

namespace tarnwick::sim {
namespace {

using namespace std::string_literals;

class SimIniTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_.Path() / name, std::ios::binary | std::ios::trunc) << bytes;
    return (folder_.Path() / name).string();
  }
  // The stored text, or "<count mismatch>" when the count disagrees with the terminator.
  std::string Read(const std::string& path, const std::string& section = "s", const std::string& key = "k") {
    char buffer[255];
    const std::size_t count = ini_.ReadProfileString(section, key, "DEF", buffer, sizeof buffer, path);
    return std::string(buffer) == std::string(buffer, count) ? std::string(buffer, count) : "<count mismatch>";
  }

  TemporaryFolder folder_;
  CallLog log_;
  SimIni ini_{log_};
};

TEST_F(SimIniTest, ReadsTheFileAfreshAtEveryLookupAndRecordsIt) {
  const std::string path = Write("config.ini", "[s]\nk=first\n");
  EXPECT_EQ(Read(path), "first");
  Write("config.ini", "[s]\nk=second\n");
  EXPECT_EQ(Read(path), "second");
  std::filesystem::remove(path);
  EXPECT_EQ(Read(path), "DEF");
  ASSERT_EQ(log_.Calls().size(), 3u);
  EXPECT_EQ(log_.Calls()[0], "ReadProfileString(s,k,DEF,255," + path + ")");
}

TEST_F(SimIniTest, AFileRewrittenWithOtherBytesOfTheSameSizeIsReadAnew) {
  const std::string path = Write("config.ini", "[s]\nk=12345\n");
  EXPECT_EQ(Read(path), "12345");
  Write("config.ini", "[s]\nk=54321\n");
  EXPECT_EQ(Read(path), "54321");
  const std::string other = Write("other.ini", "[s]\nk=12345\n");
  EXPECT_EQ(Read(other), "12345");
  EXPECT_EQ(Read(path), "54321") << "the file read before the other one";
}

TEST_F(SimIniTest, AcceptsPathsInWindowsFormWithNamesNoCodePageSpells) {
  std::filesystem::create_directory(folder_.Path() / "설정");
  Write("설정/config.ini", "[s]\nk=found\n");
  EXPECT_EQ(Read(folder_.Path().string() + "\\설정\\config.ini"), "found");
  std::filesystem::create_directory(folder_.Path() / "ทดสอบ 😀");
  Write("ทดสอบ 😀/config.ini", "[s]\nk=thai\n");
  EXPECT_EQ(Read(folder_.Path().string() + "\\ทดสอบ 😀\\config.ini"), "thai");
}

TEST_F(SimIniTest, AnythingButARegularFileGivesTheDefaultWithoutBlocking) {
  std::filesystem::create_directory(folder_.Path() / "folder.ini");
  const std::string fifo = (folder_.Path() / "fifo.ini").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(Read((folder_.Path() / "folder.ini").string()), "DEF");
  EXPECT_EQ(Read(fifo), "DEF");  // a naive reader waits for a writer here
  EXPECT_EQ(Read("/dev/zero"), "DEF");  // ... or reads forever here
  EXPECT_EQ(Read((folder_.Path() / "missing.ini").string()), "DEF");
  EXPECT_EQ(Read(Write("empty.ini", "")), "DEF");
}

TEST_F(SimIniTest, BadFilesGiveWhatTheSystemCallGives) {
  std::string garbage;
  unsigned state = 1;
  for (int i = 0; i < 50000; ++i) garbage.push_back(static_cast<char>((state = state * 1103515245u + 12345u) >> 16));
  // Two line ends, as a lead byte at the end of the garbage would take the first one.
  EXPECT_EQ(Read(Write("garbage.ini", garbage + "\n\n[s]\nk=after garbage\n")), "after garbage");
  EXPECT_EQ(Read(Write("no-line-end.ini", "[s]\nk=last")), "last");
  EXPECT_EQ(Read(Write("nul.ini", "[s]\nk=ab\0cd\n"s)), "ab");
  EXPECT_EQ(Read(Write("nul-header.ini", "\0[s]\nk=1\n"s)), "DEF");
  const std::string long_line(100000, 'x');
  const std::string path = Write("long.ini", "[s]\nk=" + long_line + "\nj=after\n[" + long_line + "]\nk=2\n");
  EXPECT_EQ(Read(path), std::string(254, 'x'));
  EXPECT_EQ(Read(path, "s", "j"), "after");
  // A lead byte at a line end takes the line end with it and turns into '?'.
  EXPECT_EQ(Read(Write("lead.ini", "[s]\nk=ab\xB0\nj=next\n")), "ab?j=next");
}

TEST_F(SimIniTest, DecodesFilesWithAByteOrderMark) {
  EXPECT_EQ(Read(Write("utf8.ini", "\xEF\xBB\xBF[s]\nk=\xED\x95\x9C\xE2\x98\x83\n")), "\xC7\xD1?");
  EXPECT_EQ(Read(Write("utf16.ini", "\xFF\xFE[\0s\0]\0\n\0k\0=\0\x5C\xD5"s)), "\xC7\xD1");
}

}  // namespace
}  // namespace tarnwick::sim
