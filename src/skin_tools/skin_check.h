#pragma once
// The check of a skin folder: runs the launcher's construction of both windows and every
// button click against the folder, and reports key by key what the launcher will do.
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/ansi_code_page.h"
#include "skin_tools/command_search.h"
#include "skin_tools/host_paths.h"
#include "skin_tools/skin_report.h"

namespace tarnwick::skin_tools {

// The search places of the host the check runs on, for the folder being checked.
using SearchPlacesMaker = std::function<std::unique_ptr<SearchPlaces>(const HostPaths&)>;

// `code_page`: code page 949, the launcher's.
SkinReport CheckSkin(const std::filesystem::path& folder, platform::AnsiCodePage& code_page,
                     const SearchPlacesMaker& make_places);

}  // namespace tarnwick::skin_tools
