#pragma once
// The search places as seen from a host that is not the Windows machine the launcher will run
// on: the program folder is the skin folder and can be looked into; the system folders and
// PATH of that machine cannot, so a program every Windows has is assumed to be in its usual
// folder and anything else there is reported as not checkable.
#include "skin_tools/command_search.h"
#include "skin_tools/host_paths.h"

namespace tarnwick::skin_tools {

// What is at a launcher path inside the program folder, looked up on the host.
FileKind ProbeProgramFolder(const HostPaths& paths, const std::string& windows_path);

class SeenFromAfar : public SearchPlaces {
 public:
  explicit SeenFromAfar(const HostPaths& paths) : paths_(paths) {}
  std::vector<Place> SystemPlaces() const override;
  FileKind Probe(const std::string& windows_path) const override;
  std::optional<Place> AssumedPlace(const std::string& file_name) const override;

 private:
  const HostPaths& paths_;
};

}  // namespace tarnwick::skin_tools
