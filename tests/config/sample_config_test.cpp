// The bundled sample config.ini through the launcher's own lookups: all 71 of them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "config/config_reader.h"
#include "platform/sim/cp949_code_page.h"
#include "platform/sim/sim_ini.h"

namespace tarnwick::config {
namespace {

struct Lookup {
  std::string section, key;
};

std::vector<Lookup> LauncherLookups() {
  std::vector<Lookup> lookups = {{"option1", "transparency"}, {"BG1", "image"}, {"BG2", "image"}};
  for (int button = 1; button <= 24; ++button) {
    char section[4];
    std::snprintf(section, sizeof section, "%03d", button);
    lookups.push_back({section, "image"});
    lookups.push_back({section, "source"});
  }
  for (const char* key : {"Pimg", "PUrl"}) {
    for (int i = 1; i <= 7; ++i) lookups.push_back({"Tarnwick™", key + std::to_string(i)});
  }
  for (const char* key : {"PXimg", "PXUrl"}) {
    for (int i = 1; i <= 3; ++i) lookups.push_back({"Tarnwick™", key + std::to_string(i)});
  }
  return lookups;
}

TEST(SampleConfig, AnswersEveryLookupButTheThreeMissingCommands) {
  sim::CallLog log;
  sim::SimIni ini(log);
  const sim::Cp949CodePage code_page;
  const ConfigFile config(ini, code_page, ConfigPath((std::filesystem::path(TARNWICK_SOURCE_DIR) / "sample").string()));
  std::vector<std::string> missing;
  for (const auto& [section, key] : LauncherLookups()) {
    if (config.ReadConfigValue(section, key) == MissingValueText) missing.push_back(section + "/" + key);
  }
  EXPECT_EQ(missing, (std::vector<std::string>{"022/source", "023/source", "024/source"}));
  EXPECT_EQ(log.Calls().size(), 71u);
  EXPECT_EQ(config.ReadConfigValue("option1", "transparency"), "230");
  EXPECT_EQ(config.ReadConfigValue("Tarnwick™", "PXUrl3"), "taskmgr.exe");
}

}  // namespace
}  // namespace tarnwick::config
