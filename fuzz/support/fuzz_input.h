#pragma once
// Reads a fuzzer's input as a series of small choices and byte runs. Past the end every
// choice is zero and every run is empty, so a target never needs to check the length.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  bool Empty() const { return rest_.empty(); }
  std::uint8_t Byte() {
    if (rest_.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return byte;
  }
  // The bytes up to `separator` (which is dropped), or all that is left.
  std::string_view Until(std::string_view separator) {
    const std::size_t at = rest_.find(separator);
    const std::string_view taken = rest_.substr(0, at);
    rest_.remove_prefix(at == std::string_view::npos ? rest_.size() : at + separator.size());
    return taken;
  }
  std::string_view Rest() {
    const std::string_view taken = rest_;
    rest_ = {};
    return taken;
  }

 private:
  std::string_view rest_;
};

}  // namespace tarnwick::fuzz
