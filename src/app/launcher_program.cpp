#include "app/launcher_program.h"

namespace tarnwick::app {

LauncherProgram::LauncherProgram(platform::Platform& platform, Edition edition)
    : windows_(platform, edition), splash_(platform, edition, [this] { windows_.LoadBar().Show(); }) {}

}  // namespace tarnwick::app
