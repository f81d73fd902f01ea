#pragma once
// The command line of tarnwick-skin:
//   tarnwick-skin check FOLDER [--json]
//   tarnwick-skin preview FOLDER -o OUT.png [--edition full|le] [--panel] [--pressed N] [--screen WxH]
// Exit codes: check 0 (nothing would fail), 1 (something would), 2 (the folder cannot be read);
// preview 0, or 2 when no picture could be made; 2 for a wrong command line.
#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "skin_tools/skin_check.h"

namespace tarnwick::skin_tools {

// What differs between the hosts the tool runs on.
struct ToolHost {
  platform::AnsiCodePage& code_page;  // code page 949
  SearchPlacesMaker make_places;
  std::string out, err;               // what the tool printed
};

// `arguments` without the program name, UTF-8.
int RunSkinTool(const std::vector<std::string>& arguments, ToolHost& host);

}  // namespace tarnwick::skin_tools
