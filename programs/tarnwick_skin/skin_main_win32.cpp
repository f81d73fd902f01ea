// tarnwick-skin as a Windows console program: code page 949 through the system's own
// conversion (named explicitly, whatever the machine's ANSI code page is, so that the check
// reads config.ini as a Korean Windows does), and the real search places of this machine.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_text.h"
#include "skin_tools/seen_from_afar.h"
#include "skin_tools/skin_cli.h"

namespace {

using namespace tarnwick;
using skin_tools::FileKind;

constexpr unsigned kKoreanCodePage = 949;

std::string FolderOf(UINT(WINAPI* query)(LPWSTR, UINT)) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = query(folder, MAX_PATH);
  return length > 0 && length < MAX_PATH ? win32::WideToUtf8(folder) : std::string();
}

std::vector<std::string> PathFolders() {
  std::wstring path(32767, L'\0');
  const DWORD length = GetEnvironmentVariableW(L"PATH", path.data(), static_cast<DWORD>(path.size()));
  path.resize(length < path.size() ? length : 0);
  std::vector<std::string> folders;
  for (std::size_t start = 0; start <= path.size();) {
    const std::size_t end = std::min(path.find(L';', start), path.size());
    if (end > start) folders.push_back(win32::WideToUtf8(path.substr(start, end - start)));
    start = end + 1;
  }
  return folders;
}

// This machine's own folders; the program folder is the skin folder being checked.
class ThisMachine : public skin_tools::SearchPlaces {
 public:
  explicit ThisMachine(const skin_tools::HostPaths& paths) : paths_(paths) {}

  std::vector<Place> SystemPlaces() const override {
    const std::string windows = FolderOf(GetWindowsDirectoryW);
    std::vector<Place> places{{"the system folder", FolderOf(GetSystemDirectoryW)},
                              {"the 16-bit system folder", windows + "\\System"},
                              {"the Windows folder", windows}};
    for (const std::string& folder : PathFolders()) places.push_back({"the PATH folder " + folder, folder});
    return places;
  }

  FileKind Probe(const std::string& windows_path) const override {
    if (paths_.Resolve(windows_path)) return skin_tools::ProbeProgramFolder(paths_, windows_path);
    const DWORD attributes = GetFileAttributesW(win32::Utf8ToWide(windows_path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return FileKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FileKind::Folder : FileKind::File;
  }

  std::optional<Place> AssumedPlace(const std::string&) const override { return std::nullopt; }

 private:
  const skin_tools::HostPaths& paths_;
};

void Write(HANDLE stream, const std::string& text) {
  DWORD written = 0;
  if (!text.empty()) WriteFile(stream, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  win32::Win32CodePage code_page(kKoreanCodePage);
  skin_tools::ToolHost host{code_page,
                            [](const skin_tools::HostPaths& paths) { return std::make_unique<ThisMachine>(paths); },
                            {},
                            {}};
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(win32::WideToUtf8(argv[i]));
  const int exit_code = skin_tools::RunSkinTool(arguments, host);
  Write(GetStdHandle(STD_OUTPUT_HANDLE), host.out);
  Write(GetStdHandle(STD_ERROR_HANDLE), host.err);
  return exit_code;
}
