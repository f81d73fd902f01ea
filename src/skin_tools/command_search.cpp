#include "skin_tools/command_search.h"

#include <algorithm>
#include <cctype>

namespace tarnwick::skin_tools {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ".exe" for "notepad.exe", "" for "notepad".
std::string Extension(const std::string& path) {
  const std::string name = FileName(path);
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : Lower(name.substr(dot));
}

bool HasFolder(const std::string& name) { return name.find_first_of("\\/:") != std::string::npos; }

bool LooksLikeWebAddress(const std::string& command_line) {
  const std::string lower = Lower(command_line);
  if (lower.starts_with("www.") || lower.starts_with("mailto:")) return true;
  const std::size_t scheme_end = lower.find("://");
  if (scheme_end == std::string::npos || scheme_end < 2) return false;
  return std::all_of(lower.begin(), lower.begin() + static_cast<std::ptrdiff_t>(scheme_end),
                     [](unsigned char c) { return std::isalnum(c) || c == '+' || c == '.' || c == '-'; });
}

// The names the start tries, in order.
std::vector<std::string> CandidateNames(const std::string& command_line) {
  if (command_line.front() == '"') {
    const std::size_t close = command_line.find('"', 1);
    return {command_line.substr(1, close == std::string::npos ? std::string::npos : close - 1)};
  }
  std::vector<std::string> names;
  for (std::size_t i = 1; i < command_line.size(); ++i) {
    if (IsBlank(command_line[i]) && !IsBlank(command_line[i - 1])) names.push_back(command_line.substr(0, i));
  }
  std::string whole = command_line;
  while (!whole.empty() && IsBlank(whole.back())) whole.pop_back();
  if (names.empty() || names.back() != whole) names.push_back(whole);
  return names;
}

struct Located {
  FileKind kind = FileKind::Missing;
  std::string path, place;
};

std::string Join(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

// Looks `file` up where the start would; Unknown when a place it may be in cannot be seen.
Located Locate(const std::string& file, const std::string& program_folder, const SearchPlaces& places) {
  if (HasFolder(file)) {
    const bool absolute = file.size() > 1 && (file[1] == ':' || file.starts_with("\\\\"));
    const std::string path = absolute ? file : Join(program_folder, file);
    return {places.Probe(path), path, absolute ? "" : "the current folder"};
  }
  std::vector<SearchPlaces::Place> order{{"the program folder", program_folder}};
  for (const auto& place : places.SystemPlaces()) order.push_back(place);
  bool unseen = false;
  for (const auto& place : order) {
    const FileKind kind = places.Probe(Join(place.path, file));
    if (kind == FileKind::File) return {kind, Join(place.path, file), place.label};
    unseen |= kind == FileKind::Unknown;
  }
  return {unseen ? FileKind::Unknown : FileKind::Missing, file, ""};
}

CommandStart Found(const std::string& path, const std::string& place) {
  CommandStart start;
  start.program = path;
  start.place = place;
  const std::string extension = Extension(path);
  start.batch = extension == ".bat" || extension == ".cmd";
  const bool program = extension == ".exe" || extension == ".com" || start.batch;
  start.outcome = program ? StartOutcome::Starts : StartOutcome::Document;
  return start;
}

bool IsProgramExtension(const std::string& extension) {
  return extension == ".exe" || extension == ".com" || extension == ".bat" || extension == ".cmd";
}

// A first name with a folder but no extension, and a longer one that names a program: a path
// with a blank that wants quotes.
CommandStart QuotingHazard(const std::vector<std::string>& names) {
  CommandStart hazard;
  if (names.size() < 2 || !HasFolder(names.front()) || !Extension(names.front()).empty()) return hazard;
  for (std::size_t i = 1; i < names.size(); ++i) {
    if (IsProgramExtension(Extension(names[i]))) {
      hazard.needs_quotes = true;
      hazard.first_try = names.front() + ".exe";
      hazard.intended = names[i];
      break;
    }
  }
  return hazard;
}

// A name the start may find or not, depending on a machine this host cannot see.
CommandStart Unseen(const std::string& file, const SearchPlaces& places) {
  CommandStart start;
  start.program = file;
  if (!IsProgramExtension(Extension(file))) {
    start.outcome = StartOutcome::Document;
    return start;
  }
  const auto assumed = HasFolder(file) ? std::nullopt : places.AssumedPlace(Lower(file));
  start.outcome = assumed ? StartOutcome::StartsAssumed : StartOutcome::CannotCheck;
  if (assumed) start.place = assumed->label + " " + assumed->path;
  return start;
}

bool NamesAFolder(const std::string& name, const std::string& program_folder, const SearchPlaces& places) {
  const bool absolute = name.size() > 1 && name[1] == ':';
  return places.Probe(absolute ? name : Join(program_folder, name)) == FileKind::Folder;
}

// The end of a search that found none of the names.
CommandStart NoneFound(const std::string& first_name, const std::string& program_folder, const SearchPlaces& places) {
  CommandStart start;
  start.program = first_name;
  if (NamesAFolder(first_name, program_folder, places)) {
    start.outcome = StartOutcome::Folder;
  } else {
    const std::string extension = Extension(first_name);
    start.outcome = !extension.empty() && !IsProgramExtension(extension) ? StartOutcome::Document : StartOutcome::NotFound;
  }
  return start;
}

}  // namespace

CommandStart ResolveCommand(const std::string& command_line, const std::string& program_folder,
                            const SearchPlaces& places) {
  std::string line = command_line;
  line.erase(0, std::min(line.find_first_not_of(" \t"), line.size()));
  if (line.empty()) return {};
  if (LooksLikeWebAddress(line)) {
    CommandStart web;
    web.outcome = StartOutcome::WebAddress;
    web.program = line;
    return web;
  }
  const std::vector<std::string> names = CandidateNames(line);
  const CommandStart quoting = QuotingHazard(names);
  std::vector<std::string> tried;
  for (const std::string& name : names) {
    const std::string file = Extension(name).empty() ? name + ".exe" : name;
    const Located located = Locate(file, program_folder, places);
    CommandStart start;
    if (located.kind == FileKind::File) start = Found(located.path, located.place);
    if (located.kind == FileKind::Unknown) {
      start = NamesAFolder(name, program_folder, places) ? NoneFound(name, program_folder, places) : Unseen(file, places);
    }
    if (located.kind == FileKind::File || located.kind == FileKind::Unknown) {
      start.tried = tried;
      start.needs_quotes = quoting.needs_quotes;
      start.first_try = quoting.first_try;
      start.intended = quoting.intended;
      return start;
    }
    tried.push_back(file);
  }
  CommandStart start = NoneFound(names.front(), program_folder, places);
  if (names.size() > 1) start.tried = tried;
  start.needs_quotes = quoting.needs_quotes;
  start.first_try = quoting.first_try;
  start.intended = quoting.intended;
  return start;
}

}  // namespace tarnwick::skin_tools
