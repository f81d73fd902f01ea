#include "skin_tools/sandbox_ports.h"


namespace tarnwick::skin_tools {
namespace {

// A one-pixel stand-in that names the lookup whose picture it replaces.
class TagPictureData : public platform::PictureData {
 public:
  explicit TagPictureData(std::size_t lookup) : lookup_(lookup) {}
  int WidthPixels() const override { return 1; }
  int HeightPixels() const override { return 1; }
  std::size_t LookupIndex() const { return lookup_; }

 private:
  std::size_t lookup_;
};

}  // namespace

std::size_t TracingIni::ReadProfileString(const std::string& section, const std::string& key,
                                          const std::string& default_text, char* buffer, std::size_t size,
                                          const std::string& path) {
  const std::optional<HostPath> file = paths_.Resolve(path);
  const std::size_t stored =
      files_.Read(file ? file->path : std::filesystem::path(), section, key, default_text, buffer, size);
  if (!recorder_.enabled) return stored;
  Lookup lookup;
  lookup.step = recorder_.step;
  lookup.section = code_page_.ToUtf8(section);
  lookup.key = code_page_.ToUtf8(key);
  lookup.stored_bytes = stored;
  recorder_.trace.push_back(std::move(lookup));
  return stored;
}

std::optional<platform::Picture> TracingPictures::LoadPicture(const std::string& path) {
  Lookup* lookup = recorder_.Last();
  if (lookup == nullptr) return std::nullopt;
  lookup->use = ValueUse::Picture;
  lookup->argument = path;
  const std::optional<HostPath> file = paths_.Resolve(path);
  lookup->path_case_differs = file && file->case_differs;
  if (tagging_) {
    return platform::Picture(std::make_shared<TagPictureData>(recorder_.trace.size() - 1));
  }
  lookup->picture = file ? sim::LoadPictureFile(PathText(file->path)) : sim::PictureLoad{};
  return lookup->picture->picture;
}

std::optional<std::size_t> TaggedLookup(const platform::Picture& picture) {
  const auto* tag = dynamic_cast<const TagPictureData*>(picture.Data());
  if (tag == nullptr) return std::nullopt;
  return tag->LookupIndex();
}

platform::StartOutcome TracingProcesses::StartProgram(const std::string& command_line, int) {
  if (Lookup* lookup = recorder_.Last()) {
    lookup->use = ValueUse::Command;
    lookup->argument = command_line;
  }
  return platform::StartOutcome::NotAProgram;  // nothing is ever started
}

bool TracingFolderView::Navigate(platform::WindowHandle, int, const std::string& location) {
  if (Lookup* lookup = recorder_.Last()) {
    lookup->use = ValueUse::Folder;
    lookup->argument = location;
  }
  return true;
}

}  // namespace tarnwick::skin_tools
