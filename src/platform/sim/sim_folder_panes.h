#pragma once
// What each simulated folder view shows, as the Windows folder view does: the folder it was last
// sent to, or, where that location is no folder on the host (missing, or a file), no listing but
// the notice that says so, with the system's text for the reason.
#include <map>
#include <string>
#include <utility>

#include "platform/handle.h"

namespace tarnwick::sim {

struct FolderPane {
  std::string folder;  // the location on view; empty while the notice stands instead
  std::string notice;  // empty while a folder is on view
};

class SimFolderPanes {
 public:
  // Sends the view `control` of `window` to `location`; true when it is a folder.
  bool Show(platform::WindowHandle window, int control, const std::string& location);
  // The view's state; null before it was first sent anywhere.
  const FolderPane* Find(platform::WindowHandle window, int control) const;

 private:
  std::map<std::pair<platform::WindowHandle, int>, FolderPane> panes_;
};

// The system's English text for the errors a folder lookup reports (path or file not found, no
// folder); empty for others.
std::string SimSystemMessage(unsigned long error);

}  // namespace tarnwick::sim
