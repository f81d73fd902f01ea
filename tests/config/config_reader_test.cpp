#include "config/config_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "platform/sim/cp949_code_page.h"
#include "platform/sim/sim_ini.h"
#include "platform/sim/test_double/temporary_folder.h"

namespace tarnwick::config {
namespace {

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

class ConfigReaderTest : public ::testing::Test {
 protected:
  void WriteConfig(const std::string& utf8_text) {
    std::ofstream(folder_.Path() / "config.ini", std::ios::binary | std::ios::trunc) << code_page_.FromUtf8(utf8_text);
  }
  std::string Read(const std::string& section, const std::string& key) {
    return ReadConfigValue(ini_, code_page_, path_, section, key);
  }

  sim::TemporaryFolder folder_;
  sim::CallLog log_;
  sim::SimIni ini_{log_};
  sim::Cp949CodePage code_page_;
  std::string path_ = ConfigPath(folder_.Path().string());
};

TEST_F(ConfigReaderTest, ConfigPathIsTheProgramFolderAndConfigIni) {
  EXPECT_EQ(ConfigPath("C:\\Program Files\\Tarnwick"), "C:\\Program Files\\Tarnwick\\config.ini");
}

TEST_F(ConfigReaderTest, ReadsValuesOfEveryKindTheLauncherUses) {
  WriteConfig("[option1]\r\nTransparency=220\r\n[001]\r\nsource=\"C:\\Tools\\a b.exe\"\r\n"
              "[Tarnwick™]\r\nPUrl1=문서\r\n[002]\r\nsource=\r\n");
  EXPECT_EQ(Read("option1", "transparency"), "220");
  EXPECT_EQ(Read("001", "SOURCE"), "C:\\Tools\\a b.exe");
  EXPECT_EQ(Read("Tarnwick™", "PUrl1"), "문서");
  EXPECT_EQ(Read("002", "source"), "");
}

TEST_F(ConfigReaderTest, MissingKeySectionOrFileGivesTheMissingValueText) {
  WriteConfig("[007]\nimage=a.jpg\n");
  EXPECT_EQ(Read("007", "source"), MissingValueText);
  EXPECT_EQ(Read("008", "image"), MissingValueText);
  std::filesystem::remove(folder_.Path() / "config.ini");
  EXPECT_EQ(Read("007", "image"), MissingValueText);
}

TEST_F(ConfigReaderTest, CutsValuesAt254BytesOfTheCodePage) {
  WriteConfig("[s]\nascii=" + std::string(300, 'x') + "\nhangul=" + Repeat("가", 200) + "\nodd=a" +
              Repeat("가", 200) + "\n");
  EXPECT_EQ(Read("s", "ascii"), std::string(254, 'x'));
  EXPECT_EQ(Read("s", "hangul"), Repeat("가", 127));
  EXPECT_EQ(Read("s", "odd"), "a" + Repeat("가", 126));
}

TEST_F(ConfigReaderTest, PassesEveryTextInTheCodePageWithA255ByteBuffer) {
  WriteConfig("");
  ConfigFile config(ini_, code_page_, path_);
  config.ReadConfigValue("Tarnwick™", "Pimg1");
  ASSERT_EQ(log_.Calls().size(), 1u);
  EXPECT_EQ(log_.Calls()[0], "ReadProfileString(Tarnwick\xA2\xE2,Pimg1," + code_page_.FromUtf8("값이 없습니다.") +
                                 ",255," + path_ + ")");
  EXPECT_EQ(config.Path(), path_);
}

// Answers like the system call when a double-byte character does not fit in the last byte:
// reports 254 bytes but writes only 253.
class OverReportingIni : public platform::IniPort {
 public:
  std::size_t ReadProfileString(const std::string&, const std::string&, const std::string&, char* buffer,
                                std::size_t size, const std::string&) override {
    std::string written = "a";
    while (written.size() + 2 <= size - 1) written += "\xB0\xA1";
    std::memcpy(buffer, written.data(), written.size());
    buffer[size - 1] = '\0';
    return size - 1;
  }
};

TEST_F(ConfigReaderTest, ByteTheSystemReportsButDidNotWriteIsNotPartOfTheValue) {
  OverReportingIni ini;
  EXPECT_EQ(ReadConfigValue(ini, code_page_, path_, "s", "k"), "a" + Repeat("가", 126));
}

}  // namespace
}  // namespace tarnwick::config
