#pragma once
// The two programs built from this tree differ only in a few title strings and in how the side
// panel opens and closes. The edition is fixed when each program is built; logic takes it as a
// value so that one test build exercises both.

namespace tarnwick {

enum class Edition { Full, Le };

#ifndef TARNWICK_EDITION_LE
#define TARNWICK_EDITION_LE 0
#endif

// The edition of the program being built (set by the build for each executable).
inline constexpr Edition kBuiltEdition = TARNWICK_EDITION_LE ? Edition::Le : Edition::Full;

}  // namespace tarnwick
