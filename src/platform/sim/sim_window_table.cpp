#include "platform/sim/sim_window_table.h"

namespace tarnwick::sim {

platform::WindowHandle SimWindowTable::Add(std::unique_ptr<SimWindow> window) {
  const platform::WindowHandle handle = next_handle_;
  next_handle_ += 0x10;
  windows_.emplace(handle, std::move(window));
  return handle;
}

SimWindow* SimWindowTable::Find(platform::WindowHandle handle) {
  const auto it = windows_.find(handle);
  return it == windows_.end() ? nullptr : it->second.get();
}

const SimWindow* SimWindowTable::Find(platform::WindowHandle handle) const {
  const auto it = windows_.find(handle);
  return it == windows_.end() ? nullptr : it->second.get();
}

}  // namespace tarnwick::sim
