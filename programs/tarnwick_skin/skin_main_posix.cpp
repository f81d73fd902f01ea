// tarnwick-skin on Linux and other POSIX hosts: code page 949 through iconv, and the search
// places of a Windows machine this host cannot see (seen_from_afar.h).
#include <cstdio>
#include <string>
#include <vector>

#include "platform/sim/cp949_code_page.h"
#include "skin_tools/seen_from_afar.h"
#include "skin_tools/skin_cli.h"

int main(int argc, char** argv) {
  using namespace tarnwick;
  sim::Cp949CodePage code_page;
  skin_tools::ToolHost host{code_page,
                            [](const skin_tools::HostPaths& paths) {
                              return std::make_unique<skin_tools::SeenFromAfar>(paths);
                            },
                            {},
                            {}};
  const int exit_code = skin_tools::RunSkinTool(std::vector<std::string>(argv + 1, argv + argc), host);
  std::fwrite(host.out.data(), 1, host.out.size(), stdout);
  std::fwrite(host.err.data(), 1, host.err.size(), stderr);
  return exit_code;
}
