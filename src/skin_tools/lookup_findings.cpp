#include "skin_tools/lookup_findings.h"

#include <algorithm>
#include <set>

#include "config/config_reader.h"
#include "main_window/transparency_value.h"
#include "platform/common/profile_reader.h"
#include "platform/sim/raster_window.h"
#include "platform/window_style_port.h"

namespace tarnwick::skin_tools {
namespace {

constexpr int kNearlyInvisible = 26;  // below a tenth of full opacity

bool SameLookup(const Lookup& a, const Lookup& b) {
  return a.step.window == b.step.window && platform::ProfileNamesMatch(a.section, b.section) &&
         platform::ProfileNamesMatch(a.key, b.key);
}

// A construction lookup that a click makes again (the panel opens its first tab's folder).
bool RepeatedByAClick(const Lookup& lookup, const LauncherTrace& trace) {
  if (!lookup.step.IsConstruction() || lookup.use != ValueUse::Folder) return false;
  return std::any_of(trace.begin(), trace.end(), [&](const Lookup& other) {
    return !other.step.IsConstruction() && SameLookup(other, lookup);
  });
}

bool ShownFirst(const Lookup& lookup, const LauncherTrace& trace) {
  return !lookup.step.IsConstruction() && std::any_of(trace.begin(), trace.end(), [&](const Lookup& other) {
           return RepeatedByAClick(other, trace) && SameLookup(other, lookup);
         });
}

std::vector<Finding> FindingsOf(const Lookup& lookup, const LookupContext& context) {
  switch (lookup.use) {
    case ValueUse::Picture: return PictureFindings(lookup, context);
    case ValueUse::Command: return CommandFindings(lookup, context);
    case ValueUse::Folder: return FolderFindings(lookup, context);
    case ValueUse::None: return OpacityFindings(lookup, context);
  }
  return {};
}

std::string Percent(int alpha) { return std::to_string((alpha * 100 + 127) / 255) + "%"; }

// "rounds to 128" when the text is not the whole number itself.
std::string Rounding(const std::string& value, int alpha) {
  return value == std::to_string(alpha) ? std::string() : " (\"" + value + "\" rounds to " + std::to_string(alpha) + ")";
}

}  // namespace

bool LookupContext::IsSet(const Lookup& lookup) const {
  return platform::FindProfileValue(text, lookup.section, lookup.key).has_value();
}

bool LookupContext::IsCut(const Lookup& lookup) const {
  const auto raw = platform::FindProfileValue(text, lookup.section, lookup.key);
  return raw && lookup.stored_bytes + 2 >= config::kValueBufferSize - 1 &&
         code_page.FromUtf8(*raw).size() > config::kValueBufferSize - 1;
}

Finding FindingFor(const Lookup& lookup, Severity severity, std::string message) {
  Finding finding;
  finding.severity = severity;
  finding.place = lookup.step.window == LauncherWindow::Bar ? Place::Bar : Place::Panel;
  finding.control = lookup.step.control;
  finding.setting = "[" + lookup.section + "] " + lookup.key;
  finding.value = lookup.value;
  finding.message = std::move(message);
  return finding;
}

std::vector<Finding> OpacityFindings(const Lookup& lookup, const LookupContext& context) {
  if (!context.IsSet(lookup)) return {FindingFor(lookup, Severity::Note, "not set: the bar is opaque.")};
  const auto parsed = main_window::ParseTransparency(lookup.value);
  if (!parsed) return {FindingFor(lookup, Severity::Warning, "is no number: no opacity is applied, the bar is opaque.")};
  const sim::SimWindow* bar = context.bar;
  if (bar == nullptr || (bar->ex_style & platform::kWsExLayered) == 0) {
    return {FindingFor(lookup, Severity::Warning,
                       std::to_string(*parsed) + Rounding(lookup.value, *parsed) +
                           " is outside 0..255: no opacity is applied, the bar is opaque.")};
  }
  const int alpha = sim::ShownOpacity(*bar);
  const std::string rounding = Rounding(lookup.value, alpha);
  if (alpha == 0) {
    return {FindingFor(lookup, Severity::Error,
                       "THE BAR WILL BE INVISIBLE: opacity 0 of 255" + rounding + ", fully transparent.")};
  }
  const std::string applied = "opacity " + std::to_string(alpha) + " of 255 (" + Percent(alpha) + ")" + rounding;
  if (alpha < kNearlyInvisible) return {FindingFor(lookup, Severity::Warning, applied + ": the bar is nearly invisible.")};
  return {FindingFor(lookup, Severity::Ok, applied + ".")};
}

std::vector<Finding> FolderFindings(const Lookup& lookup, const LookupContext& context) {
  const std::string shown = HostPaths::Relative(lookup.argument);
  if (!context.IsSet(lookup)) {
    return {FindingFor(lookup, Severity::Warning,
                       "not set: the folder view is sent to " + shown + ", a folder that does not exist.")};
  }
  const auto host = context.paths.Resolve(lookup.argument);
  std::error_code error;
  const auto status = host ? std::filesystem::status(host->path, error) : std::filesystem::file_status();
  if (std::filesystem::is_directory(status)) {
    std::string message = lookup.value.empty() ? "empty: shows the program folder itself." : "shows the folder " + shown + ".";
    if (host->case_differs) message += " The folder's name differs in letter case, which Windows ignores.";
    return {FindingFor(lookup, Severity::Ok, message)};
  }
  if (std::filesystem::exists(status)) {
    return {FindingFor(lookup, Severity::Error, shown + " is a file, not a folder: the folder view shows nothing useful.")};
  }
  std::string message = "the folder " + shown + " does not exist in the program folder: the folder view shows an error.";
  if (lookup.value.find(':') != std::string::npos || lookup.value.starts_with("\\")) {
    message += " A folder tab names a folder inside the program folder; an absolute path does not work.";
  }
  return {FindingFor(lookup, Severity::Error, message)};
}

std::vector<Finding> LookupFindings(const LauncherTrace& trace, const LookupContext& context) {
  std::vector<Finding> findings;
  for (const Lookup& lookup : trace) {
    if (RepeatedByAClick(lookup, trace)) continue;
    std::vector<Finding> found = FindingsOf(lookup, context);
    if (ShownFirst(lookup, trace) && !found.empty()) found.front().message += " The panel shows it first when it opens.";
    findings.insert(findings.end(), found.begin(), found.end());
  }
  return findings;
}

}  // namespace tarnwick::skin_tools
