#include "candy_button/property_bag.h"

#include <algorithm>

#include "candy_button/property_text.h"

namespace tarnwick::candy {

std::optional<std::string> PropertyBag::Find(std::string_view key) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [key](const Entry& entry) { return entry.first == key; });
  if (found == entries_.end()) return std::nullopt;
  return found->second;
}

void PropertyBag::Store(std::string_view key, std::string text,
                        const std::optional<std::string>& default_text) {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [key](const Entry& entry) { return entry.first == key; });
  if (default_text && text == *default_text) {
    if (found != entries_.end()) entries_.erase(found);
    return;
  }
  if (found != entries_.end()) {
    found->second = std::move(text);
  } else {
    entries_.emplace_back(std::string(key), std::move(text));
  }
}

std::string PropertyBag::ToText() const {
  std::string text;
  for (const Entry& entry : entries_) text += FormatPropertyLine(entry.first, entry.second);
  return text;
}

PropertyBag PropertyBag::FromText(std::string_view text, std::size_t* skipped_lines) {
  PropertyBag bag;
  std::size_t skipped = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    const PropertyLine parsed = ParsePropertyLine(line);
    if (parsed.kind == PropertyLine::Kind::Entry) {
      bag.Store(parsed.key, parsed.value);
    } else if (parsed.kind == PropertyLine::Kind::Invalid) {
      ++skipped;
    }
  }
  if (skipped_lines) *skipped_lines = skipped;
  return bag;
}

}  // namespace tarnwick::candy
