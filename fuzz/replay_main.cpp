// Runs a fuzz target on every file of the folders (or files) named on its command line, as the
// fuzzing engine would run one input, without the engine: the corpora become ordinary tests.
// A target reports a fault by aborting or through the sanitizers; an empty corpus fails too,
// so a wrong folder cannot pass. As the engine does, an input that leaves more allocations than
// frees is followed by a leak check, so a leak is pinned to its input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include <sanitizer/lsan_interface.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// The sanitizer runtime's allocation hooks (gcc's headers do not declare them).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*on_allocation)(const volatile void*, std::size_t),
                                                         void (*on_free)(const volatile void*));

namespace {

std::size_t allocations = 0, frees = 0;

void CountAllocation(const volatile void*, std::size_t) { ++allocations; }
void CountFree(const volatile void*) { ++frees; }

// Whether the input left a leak behind (the leak check prints it).
bool Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  // A buffer of exactly the input's size, so reading past the input is caught.
  const std::unique_ptr<std::uint8_t[]> data(new std::uint8_t[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), data.get());
  const std::size_t allocations_before = allocations, frees_before = frees;
  LLVMFuzzerTestOneInput(data.get(), bytes.size());
  if (allocations - allocations_before == frees - frees_before) return false;
  return __lsan_do_recoverable_leak_check() != 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    if (!std::filesystem::is_directory(argv[i])) {
      files.emplace_back(argv[i]);
      continue;
    }
    for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
      if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  __sanitizer_install_malloc_and_free_hooks(CountAllocation, CountFree);
  for (const auto& file : files) {
    if (Replay(file)) {
      std::fprintf(stderr, "the input %s leaked\n", file.string().c_str());
      return 1;
    }
  }
  std::printf("replayed %zu inputs\n", files.size());
  return files.empty() ? 1 : 0;
}
