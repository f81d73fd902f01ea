// One config.ini lookup through the simulated platform: the file is opened, read, decoded from
// code page 949 and searched at every call, as the system does.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>

#include "config/config_reader.h"
#include "platform/sim/cp949_code_page.h"
#include "platform/sim/sim_ini.h"
#include "platform/sim/test_double/temporary_folder.h"

namespace tarnwick {
namespace {

// 30 sections: the launcher's 28 and two it does not read, about 4 KB.
std::string RealisticConfig() {
  std::string text = "; Tarnwick launcher skin\r\n[option1]\r\ntransparency=220\r\n[BG1]\r\nimage=back.jpg\r\n";
  for (int button = 1; button <= 24; ++button) {
    char section[4];
    std::snprintf(section, sizeof section, "%03d", button);
    text += "[" + std::string(section) + "]\r\nimage=button" + section + ".jpg\r\nsource=\"C:\\Program Files\\Tool " +
            section + "\\tool.exe\" /start\r\n";
  }
  text += "[BG2]\r\nimage=panel.jpg\r\n[Tarnwick™]\r\n";
  for (int i = 1; i <= 7; ++i) text += "Pimg" + std::to_string(i) + "=tab" + std::to_string(i) + ".jpg\r\n";
  for (int i = 1; i <= 7; ++i) text += "PUrl" + std::to_string(i) + "=문서" + std::to_string(i) + "\r\n";
  for (int i = 1; i <= 3; ++i) text += "PXimg" + std::to_string(i) + "=x" + std::to_string(i) + ".jpg\r\n";
  for (int i = 1; i <= 3; ++i) text += "PXUrl" + std::to_string(i) + "=C:\\Tools\\x" + std::to_string(i) + ".exe\r\n";
  return text + "[notes]\r\nauthor=someone\r\n[history]\r\nversion=1.1\r\n";
}

void LookUp(benchmark::State& state, const char* section, const char* key) {
  const sim::TemporaryFolder folder;
  const sim::Cp949CodePage code_page;
  std::ofstream(folder.Path() / "config.ini", std::ios::binary) << code_page.FromUtf8(RealisticConfig());
  sim::CallLog log;
  log.enabled = false;
  sim::SimIni ini(log);
  const config::ConfigFile config(ini, code_page, config::ConfigPath(folder.Path().string()));
  for (auto _ : state) benchmark::DoNotOptimize(config.ReadConfigValue(section, key));
}

void BM_ReadConfigValueFirstSection(benchmark::State& state) { LookUp(state, "option1", "transparency"); }
void BM_ReadConfigValueLastLauncherSection(benchmark::State& state) { LookUp(state, "Tarnwick™", "PXUrl3"); }
void BM_ReadConfigValueMissingKey(benchmark::State& state) { LookUp(state, "024", "missing"); }

BENCHMARK(BM_ReadConfigValueFirstSection);
BENCHMARK(BM_ReadConfigValueLastLauncherSection);
BENCHMARK(BM_ReadConfigValueMissingKey);

}  // namespace
}  // namespace tarnwick
