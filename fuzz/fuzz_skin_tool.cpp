// The skin tool's check and preview of a folder made from the input: config.ini's bytes, then
// after a "\n--picture--\n" line the bytes of one picture, image/p.jpg (the seeds name it).
// Checked: the check's JSON form parses; its error count is the number of findings that are
// errors and its exit code is the check's; the check exits 2 when config.ini cannot be read,
// else 1 exactly when there are errors, and the text form says the same in its last line. The
// preview runs on a small screen with the edition, the side panel and a pressed button chosen
// by the picture's first byte.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/sim/cp949_code_page.h"
#include "platform/sim/test_double/temporary_folder.h"
#include "skin_tools/report_format.h"
#include "skin_tools/seen_from_afar.h"
#include "skin_tools/skin_check.h"
#include "skin_tools/skin_preview.h"
#include "support/fuzz_input.h"
#include "support/json_check.h"

namespace {

using namespace tarnwick;

void Write(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

// Shows the output that broke an invariant before stopping.
[[noreturn]] void Fail(const char* what, const std::string& output) {
  std::fprintf(stderr, "%s:\n%s\n", what, output.c_str());
  std::abort();
}

// One check, told in both of the tool's forms (the command line adds only the choice of form):
// checking once instead of once per form halves the work of each input.
void CheckReports(const std::filesystem::path& folder) {
  static sim::Cp949CodePage code_page;
  const skin_tools::SkinReport report = skin_tools::CheckSkin(folder, code_page, [](const skin_tools::HostPaths& paths) {
    return std::make_unique<skin_tools::SeenFromAfar>(paths);
  });
  const int exit_code = report.ExitCode();
  const std::string json = skin_tools::ReportJson(report);
  fuzz::JsonMembers members;
  if (!fuzz::ParseJson(json, members)) Fail("the JSON report does not parse", json);
  const std::size_t errors = members.CountOf("severity", "error");
  if (members.First("errors") != std::to_string(errors)) Fail("the error count is wrong", json);
  if (members.First("exit_code") != std::to_string(exit_code)) Fail("the exit code is wrong", json);
  const bool unreadable = !members.First("problem").empty();
  if (exit_code != (unreadable ? 2 : errors > 0 ? 1 : 0)) Fail("the exit code does not match the errors", json);
  const std::string text = skin_tools::ReportText(report);
  const std::string verdict = unreadable       ? "The folder could not be checked.\n"
                              : exit_code == 0 ? "Nothing would fail.\n"
                                               : "Something would fail.\n";
  if (!text.ends_with(verdict)) Fail("the text report differs", text);
}

void RenderSmallPreview(const std::filesystem::path& folder, std::uint8_t choice) {
  static sim::Cp949CodePage code_page;
  skin_tools::PreviewOptions options;
  options.edition = choice & 1 ? Edition::Le : Edition::Full;
  options.panel = (choice & 2) != 0;
  if (choice & 4) options.pressed = (choice >> 3) % 25;
  options.screen.width_px = 240;
  options.screen.height_px = 200;
  const skin_tools::Preview preview = skin_tools::RenderPreview(folder, code_page, options);
  if (preview.image && (preview.image->Width() != 240 || preview.image->Height() != 200)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const sim::TemporaryFolder folder;
  static const bool made = std::filesystem::create_directories(folder.Path() / "image");
  (void)made;
  fuzz::FuzzInput input(data, size);
  Write(folder.Path() / "config.ini", input.Until("\n--picture--\n"));
  const std::string_view picture = input.Rest();
  Write(folder.Path() / "image" / "p.jpg", picture);
  CheckReports(folder.Path());
  RenderSmallPreview(folder.Path(), picture.empty() ? 0 : std::uint8_t(picture.front()));
  return 0;
}
