#include "skin_tools/skin_check.h"

#include <algorithm>
#include <system_error>

#include "platform/common/profile_text.h"
#include "platform/sim/raster_window.h"
#include "skin_tools/config_file.h"
#include "skin_tools/encoding_check.h"
#include "skin_tools/file_structure.h"
#include "skin_tools/lookup_findings.h"
#include "skin_tools/skin_sandbox.h"

namespace tarnwick::skin_tools {
namespace {

void Append(std::vector<Finding>& to, const std::vector<Finding>& from) { to.insert(to.end(), from.begin(), from.end()); }

Finding FileFinding(Severity severity, std::string setting, std::string message) {
  Finding finding;
  finding.severity = severity;
  finding.setting = std::move(setting);
  finding.message = std::move(message);
  return finding;
}

// The construction and every click, once with tagged pictures to learn where each picture
// goes, once for real.
LauncherTrace RunLauncher(const std::filesystem::path& folder, platform::AnsiCodePage& code_page,
                          SkinSandbox& real) {
  SandboxOptions tagging;
  tagging.tag_pictures = true;
  tagging.drawn_design_pictures = false;
  SkinSandbox tagged(folder, code_page, tagging);
  tagged.BuildBar();
  tagged.ClickEveryButton();
  real.BuildBar();
  real.ClickEveryButton();
  const LauncherTrace targets = tagged.Trace(false);
  LauncherTrace trace = real.Trace();
  for (std::size_t i = 0; i < trace.size() && i < targets.size(); ++i) trace[i].target = targets[i].target;
  return trace;
}

// Buttons about which nothing was found: they read no key.
void NoteKeylessButtons(const sim::SimWindow* window, Place place, std::vector<Finding>& findings) {
  if (window == nullptr) return;
  for (const auto& [id, control] : window->controls) {
    if (control.spec.kind != platform::ControlKind::Image) continue;
    const bool told = std::any_of(findings.begin(), findings.end(),
                                  [&, control_id = id](const Finding& f) { return f.place == place && f.control == control_id; });
    if (told) continue;
    Finding finding;
    finding.severity = Severity::Note;
    finding.place = place;
    finding.control = id;
    finding.message = "reads no key: it always shows its built-in picture (" +
                      std::to_string(control.spec.picture.WidthPixels()) + " x " +
                      std::to_string(control.spec.picture.HeightPixels()) + ").";
    findings.push_back(finding);
  }
}

// The lookups the launcher's code makes; the panel's first folder is looked up by its
// construction and by the tab's click, which count once.
std::size_t DistinctLookups(const LauncherTrace& trace) {
  std::size_t distinct = 0;
  for (std::size_t i = 0; i < trace.size(); ++i) {
    const auto same = [&](const Lookup& other) {
      return other.step.window == trace[i].step.window && other.section == trace[i].section && other.key == trace[i].key;
    };
    if (std::none_of(trace.begin(), trace.begin() + static_cast<std::ptrdiff_t>(i), same)) ++distinct;
  }
  return distinct;
}

std::optional<std::string> FolderProblem(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::exists(folder, error)) return PathText(folder) + " does not exist.";
  if (!std::filesystem::is_directory(folder, error)) return PathText(folder) + " is not a folder.";
  return std::nullopt;
}

}  // namespace

SkinReport CheckSkin(const std::filesystem::path& folder, platform::AnsiCodePage& code_page,
                     const SearchPlacesMaker& make_places) {
  SkinReport report;
  report.folder = PathText(folder);
  if ((report.unreadable = FolderProblem(folder))) return report;
  const HostPaths paths(folder);
  const ConfigFile file = ReadConfigFile(paths);
  if (file.state != ConfigFileState::Readable) {
    report.unreadable = DescribeUnreadable(file);
    return report;
  }
  SandboxOptions real_options;
  real_options.drawn_design_pictures = false;  // only their sizes are told
  SkinSandbox real(folder, code_page, real_options);
  const LauncherTrace trace = RunLauncher(folder, code_page, real);
  report.lookups = DistinctLookups(trace);
  const std::string text = platform::DecodeProfileText(file.bytes, code_page);
  if (text.find_first_not_of(" \t\r\n\x1a") == std::string::npos) {
    report.findings.push_back(FileFinding(Severity::Error, "file",
        "config.ini is empty: the launcher starts, but shows only its built-in pictures and no button does anything."));
  }
  if (file.case_differs) {
    report.findings.push_back(FileFinding(Severity::Note, "file",
        "the file's name differs from config.ini in letter case, which Windows ignores."));
  }
  EncodingCheck encoding = CheckEncoding(file.bytes, code_page, trace);
  report.encoding = encoding.encoding;
  Append(report.findings, encoding.findings);
  Append(report.findings, CheckFileStructure(text, trace));
  const auto places = make_places(paths);
  const LookupContext context{text, real.Bar(), real.Panel(), real.Screen(), paths, *places, code_page};
  Append(report.findings, LookupFindings(trace, context));
  NoteKeylessButtons(real.Bar(), Place::Bar, report.findings);
  NoteKeylessButtons(real.Panel(), Place::Panel, report.findings);
  report.findings = Ordered(report.findings);
  return report;
}

}  // namespace tarnwick::skin_tools
