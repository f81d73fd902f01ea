#pragma once
// Counts heap allocations made through operator new in this benchmark binary, so a benchmark
// can report allocations per iteration.
#include <cstdint>

namespace tarnwick::bench {

std::uint64_t AllocationCount();

}  // namespace tarnwick::bench
