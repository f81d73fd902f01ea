#pragma once
// How many user-interface (USER) and graphics (GDI) objects this process holds. The system's
// own counts are used where it keeps them; where it reports none (Wine reports 0), the USER
// count is the number of this process's windows and the GDI count comes from probing every
// slot of the process's GDI handle table.
#include <string>

namespace tarnwick::win32 {

struct ObjectCounts {
  unsigned user = 0, gdi = 0;
  bool user_counts_windows = false, gdi_probed = false;
};

ObjectCounts CountObjects();
// The counts as a record of the gallery's log (see candy_gallery/gallery_log_records.h).
std::string DescribeObjectCounts(const ObjectCounts& counts);

}  // namespace tarnwick::win32
