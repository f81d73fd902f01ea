#include "skin_tools/file_structure.h"

#include <map>
#include <optional>

#include "platform/common/profile_reader.h"
#include "skin_tools/nearest_name.h"

namespace tarnwick::skin_tools {
namespace {

using platform::ProfileLine;
using platform::ProfileNamesMatch;

// The sections the launcher reads, in the order it first reads them, with their keys.
struct KnownNames {
  std::vector<std::string> sections;
  std::vector<std::vector<std::string>> keys;  // per section

  explicit KnownNames(const LauncherTrace& trace) {
    for (const Lookup& lookup : trace) {
      const std::size_t section = Add(sections, lookup.section);
      if (keys.size() <= section) keys.resize(section + 1);
      Add(keys[section], lookup.key);
    }
  }
  std::optional<std::size_t> Section(std::string_view name) const { return Find(sections, name); }
  // A section that reads `key`, other than `except`.
  std::optional<std::size_t> SectionReading(std::string_view key, std::size_t except) const {
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (i != except && Find(keys[i], key)) return i;
    }
    return std::nullopt;
  }

  static std::optional<std::size_t> Find(const std::vector<std::string>& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (ProfileNamesMatch(name, names[i])) return i;
    }
    return std::nullopt;
  }
  static std::size_t Add(std::vector<std::string>& names, const std::string& name) {
    if (const auto found = Find(names, name)) return *found;
    names.push_back(name);
    return names.size() - 1;
  }
};

bool IsComment(std::string_view name) { return name.starts_with(';') || name.starts_with('#'); }

std::string LineSetting(const ProfileLine& line) { return "line " + std::to_string(line.number); }

class StructureWalk {
 public:
  explicit StructureWalk(const LauncherTrace& trace) : known_(trace) {}

  void Visit(const ProfileLine& line) {
    if (line.is_section) {
      EnterSection(line);
    } else if (!IsComment(line.name)) {
      VisitKey(line);
    }
  }
  std::vector<Finding> Take() { return std::move(findings_); }

 private:
  void Add(Severity severity, const ProfileLine& line, std::string message) {
    Finding finding;
    finding.severity = severity;
    finding.setting = LineSetting(line);
    finding.message = std::move(message);
    findings_.push_back(std::move(finding));
  }

  void EnterSection(const ProfileLine& line) {
    const std::string name(line.name);
    section_ = known_.Section(line.name);
    first_of_name_ = false;
    any_header_ = true;
    if (!section_) {
      const auto hint = NearestName(name, known_.sections);
      Add(Severity::Warning, line,
          "section [" + name + "] is never read" + (hint ? "; did you mean [" + *hint + "]?" : "."));
      return;
    }
    const auto earlier = seen_sections_.find(*section_);
    if (earlier != seen_sections_.end()) {
      Add(Severity::Warning, line,
          "a second section [" + name + "]: the launcher reads only the first one (line " +
              std::to_string(earlier->second) + "), so nothing in this one has any effect.");
      return;
    }
    seen_sections_[*section_] = line.number;
    first_of_name_ = true;
    seen_keys_.clear();
  }

  void VisitKey(const ProfileLine& line) {
    const std::string name(line.name);
    if (!any_header_) {
      Add(Severity::Warning, line, "key " + name + " stands before the first section header and is never read.");
      return;
    }
    if (!section_ || !first_of_name_) return;  // reported with its section
    const auto& keys = known_.keys[*section_];
    const auto key = KnownNames::Find(keys, line.name);
    if (!key) return UnknownKey(line, name, keys);
    const auto earlier = seen_keys_.find(*key);
    if (earlier != seen_keys_.end()) return Shadowed(line, name, earlier->second);
    seen_keys_[*key] = line;
    if (!line.value) {
      Add(Severity::Warning, line,
          name + " has no '=': the launcher reads it as a missing key, and it hides any later " + name + " line.");
    }
  }

  void UnknownKey(const ProfileLine& line, const std::string& name, const std::vector<std::string>& keys) {
    const std::string section = known_.sections[*section_];
    if (const auto hint = NearestName(name, keys)) {
      return Add(Severity::Warning, line,
                 "key " + name + " in [" + section + "] is never read; did you mean " + *hint + "?");
    }
    if (const auto other = known_.SectionReading(line.name, *section_)) {
      return Add(Severity::Warning, line,
                 "key " + name + " is never read in [" + section + "]; the launcher reads it in [" +
                     known_.sections[*other] + "].");
    }
    Add(Severity::Warning, line, "key " + name + " in [" + section + "] is never read.");
  }

  void Shadowed(const ProfileLine& line, const std::string& name, const ProfileLine& earlier) {
    const std::string by = earlier.value ? "line " + std::to_string(earlier.number) + " (" + std::string(earlier.name) + "=" +
                                               std::string(*earlier.value) + ")"
                                         : "the bare key line " + std::to_string(earlier.number) + " (no '=')";
    Add(Severity::Warning, line, name + " here is never read: " + by + " comes first and wins.");
  }

  KnownNames known_;
  std::optional<std::size_t> section_;
  bool first_of_name_ = false;
  bool any_header_ = false;
  std::map<std::size_t, std::size_t> seen_sections_;  // section -> line of its first header
  std::map<std::size_t, ProfileLine> seen_keys_;       // key -> its first line in this section
  std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> CheckFileStructure(const std::string& text, const LauncherTrace& trace) {
  StructureWalk walk(trace);
  platform::ProfileLines lines(text);
  ProfileLine line;
  while (lines.Next(line)) walk.Visit(line);
  return walk.Take();
}

}  // namespace tarnwick::skin_tools
