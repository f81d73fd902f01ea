#pragma once
// What the system's process start does with a command line given without a separate program
// name (as the launcher starts its commands): which file it runs, where it looks for it, and
// whether that file is something it can run at all.
//
// - A command line that starts with '"' names the program up to the next '"'.
// - Otherwise the program is the text up to a blank; while that names no file, the text up to
//   the next blank is tried, and so on (so "C:\Program Files\x.exe" first tries "C:\Program").
// - A name without an extension gets ".exe".
// - A name without a folder is looked for in the program's folder (the launcher's own), the
//   current folder (assumed here to be the program's folder, as when the launcher is started by
//   a double-click), the system folder, the 16-bit system folder, the Windows folder, then the
//   folders of PATH. A name with a folder is taken as it is (a relative one from the current folder).
// - Only programs run: ".exe" and ".com" files, and batch files (".bat", ".cmd"), which the
//   system hands to the command interpreter. A document, a folder or a web address fails.
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::skin_tools {

enum class FileKind { Missing, File, Folder, Unknown };

// The places the search looks in, and what is at a path, as far as this host can tell.
class SearchPlaces {
 public:
  struct Place {
    std::string label;  // "the system folder"
    std::string path;   // Windows path
  };
  virtual ~SearchPlaces() = default;
  // The folders after the program's folder, in search order.
  virtual std::vector<Place> SystemPlaces() const = 0;
  // What is at a Windows path; Unknown where this host cannot see it.
  virtual FileKind Probe(const std::string& windows_path) const = 0;
  // Where a program that could not be seen is assumed to be (for example a program every
  // Windows has in its system folder); nothing when no such assumption is made.
  virtual std::optional<Place> AssumedPlace(const std::string& file_name) const = 0;
};

enum class StartOutcome {
  Starts,          // a program that was found
  StartsAssumed,   // a program assumed to be in a place this host cannot see
  CannotCheck,     // a program, but the places it would be found in cannot be seen from here
  NotFound,
  Document,        // a file that is no program: the start fails
  Folder,
  WebAddress,
  Nothing,         // an empty command line
};

struct CommandStart {
  StartOutcome outcome = StartOutcome::Nothing;
  std::string program;                // the file the start runs or would run
  std::string place;                  // where it was found or is assumed ("the program folder")
  std::vector<std::string> tried;     // shorter names tried first (unquoted names with blanks)
  bool batch = false;                 // run through the command interpreter
  // An unquoted program path with a blank in it: the start tries the part before the blank
  // first (as `first_try`, with ".exe" added), then `intended`.
  bool needs_quotes = false;
  std::string first_try, intended;
};

CommandStart ResolveCommand(const std::string& command_line, const std::string& program_folder,
                            const SearchPlaces& places);

}  // namespace tarnwick::skin_tools
