#pragma once
// The store a container keeps a control's saved properties in: named text values in the
// order they were written, with a text form a person can read and edit:
//
//   # comment
//   Caption = "Save &all"
//   ColorButtonUp = 0x00E99950
//
// A value is written bare when that reads back unchanged, else in double quotes with
// backslash escapes (\" \\ \n \r \t \xHH). Reading never fails: lines that are not
// "Key = value" are skipped and counted; a repeated key keeps its last value.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnwick::candy {

class PropertyBag {
 public:
  using Entry = std::pair<std::string, std::string>;

  std::optional<std::string> Find(std::string_view key) const;
  // Stores `text` under `key`; when it equals `default_text` the key is left out instead.
  void Store(std::string_view key, std::string text,
             const std::optional<std::string>& default_text = std::nullopt);
  const std::vector<Entry>& Entries() const { return entries_; }

  std::string ToText() const;
  static PropertyBag FromText(std::string_view text, std::size_t* skipped_lines = nullptr);

 private:
  std::vector<Entry> entries_;
};

}  // namespace tarnwick::candy
