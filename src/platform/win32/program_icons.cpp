#include "platform/win32/program_icons.h"

#include "platform/win32/resource_ids.h"

namespace tarnwick::win32 {
namespace {

HICON LoadProgramIcon(HINSTANCE instance, int width_metric, int height_metric) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(TARNWICK_IDI_PROGRAM), IMAGE_ICON,
                                       GetSystemMetrics(width_metric), GetSystemMetrics(height_metric), 0));
}

}  // namespace

ProgramIcons::ProgramIcons(HINSTANCE instance)
    : large(LoadProgramIcon(instance, SM_CXICON, SM_CYICON)),
      small(LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON)) {}

}  // namespace tarnwick::win32
