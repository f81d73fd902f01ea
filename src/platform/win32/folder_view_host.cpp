#include "platform/win32/folder_view_host.h"

#include <shlobj.h>

#include <memory>

#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

struct ItemIdListFree {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using ScopedItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListFree>;

// The location in the system's full form, where a run of separators counts as one, as for every
// file call; the shell's parser would take the empty name between two separators for a name.
std::wstring FullPath(const std::string& location) {
  const std::wstring wide = Utf8ToWide(location);
  const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (length == 0) return wide;
  std::wstring full(length, L'\0');
  const DWORD written = GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
  if (written == 0 || written >= length) return wide;
  full.resize(written);
  return full;
}

ScopedItemIdList ParseFolder(const std::string& location) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHParseDisplayName(FullPath(location).c_str(), nullptr, &list, 0, nullptr))) return nullptr;
  return ScopedItemIdList(list);
}

}  // namespace

FolderViewHost::FolderViewHost(HWND host) {
  if (FAILED(CoCreateInstance(CLSID_ExplorerBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IExplorerBrowser,
                              reinterpret_cast<void**>(browser_.Put())))) {
    return;
  }
  RECT area{};
  GetClientRect(host, &area);
  FOLDERSETTINGS settings{FVM_DETAILS, FWF_NOWEBVIEW};
  if (FAILED(browser_->Initialize(host, &area, &settings))) {
    browser_.Reset();
    return;
  }
  browser_->SetOptions(EBO_NOBORDER);
}

FolderViewHost::~FolderViewHost() {
  if (browser_) browser_->Destroy();
}

bool FolderViewHost::Navigate(const std::string& location) {
  if (!browser_) return false;
  const ScopedItemIdList folder = ParseFolder(location);
  return folder && SUCCEEDED(browser_->BrowseToIDList(folder.get(), SBSP_ABSOLUTE));
}

void FolderViewHost::FitTo(HWND host) {
  RECT area{};
  if (browser_ && GetClientRect(host, &area)) browser_->SetRect(nullptr, area);
}

}  // namespace tarnwick::win32
