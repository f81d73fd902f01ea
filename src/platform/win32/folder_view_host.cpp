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

ScopedItemIdList ParseFolder(const std::string& location) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHParseDisplayName(Utf8ToWide(location).c_str(), nullptr, &list, 0, nullptr))) return nullptr;
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

}  // namespace tarnwick::win32
