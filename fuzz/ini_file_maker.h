#pragma once
// Random INI files and lookups for the differential campaign against the system's INI reader:
// files in code page 949 with Korean names and values, broken and overlong lines, NUL bytes,
// CR-only and LF-only line ends, byte-order marks (UTF-8, UTF-16 in both byte orders), and
// byte-level mutations of all of these. Deterministic for a seed.
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tarnwick::fuzz {

struct MadeLookup {
  std::string section, key, default_text;  // code page 949 bytes
  std::size_t size = 0;
};

struct MadeFile {
  std::string bytes;
  std::vector<MadeLookup> lookups;
};

class IniFileMaker {
 public:
  explicit IniFileMaker(std::uint64_t seed) : random_(seed) {}
  MadeFile Next();

 private:
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : std::size_t(random_() % n); }
  bool Chance(int percent) { return Below(100) < std::size_t(percent); }
  std::string Name();
  std::string Value();
  std::string LineEnd();
  std::string Blanks();
  std::string NameVariant(const std::string& name);
  void Mutate(std::string& bytes);
  std::string Encoded(const std::string& cp949_text);
  MadeLookup Lookup(const std::vector<std::string>& sections, const std::vector<std::string>& keys);

  std::mt19937_64 random_;
};

}  // namespace tarnwick::fuzz
