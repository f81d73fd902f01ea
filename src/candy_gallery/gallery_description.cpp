#include "candy_gallery/gallery_description.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "candy_gallery/gem_pixels.h"
#include "candy_gallery/icon_file.h"

namespace tarnwick::gallery {
namespace {

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// "[Name]" gives the name; anything else is not a section header.
bool SectionName(std::string_view line, std::string& name) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
  name = std::string(Trim(line.substr(1, line.size() - 2)));
  return true;
}

void CloseSection(GalleryDescription& description, std::string& name, std::string& body,
                  bool& truncated) {
  if (description.buttons.size() == kMaxButtons) {
    truncated = true;
  } else {
    if (name.empty()) name = "Button " + std::to_string(description.buttons.size() + 1);
    description.buttons.push_back({name, candy::PropertyBag::FromText(body)});
  }
  body.clear();
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace

GalleryDescription ParseGalleryText(std::string_view text) {
  GalleryDescription description;
  std::string name, body;
  bool in_section = false, truncated = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    std::string next;
    if (SectionName(line, next)) {
      if (in_section) CloseSection(description, name, body, truncated);
      name = std::move(next);
      in_section = true;
    } else if (in_section) {
      body.append(line).push_back('\n');
    }
  }
  if (in_section) CloseSection(description, name, body, truncated);
  if (description.buttons.empty())
    description.message = std::string(kDescriptionFile) + " describes no buttons";
  else if (truncated)
    description.message = "Only the first " + std::to_string(kMaxButtons) + " buttons are shown";
  return description;
}

GalleryDescription LoadGalleryDescription(const std::filesystem::path& folder) {
  const std::filesystem::path path = folder / kDescriptionFile;
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    WriteFile(folder / kGemPictureFile, EncodeIconFile(32, 32, GemPixels(32)));
    if (!WriteFile(path, DefaultGalleryText()))
      return {ParseGalleryText(DefaultGalleryText()).buttons,
              std::string("Could not write ") + kDescriptionFile + "; showing the defaults"};
  }
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return {{}, std::string("Could not read ") + kDescriptionFile};
  if (size > kMaxFileBytes)
    return {{}, std::string(kDescriptionFile) + " is larger than 1 MB and was not read"};
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return ParseGalleryText(text.str());
}

}  // namespace tarnwick::gallery
