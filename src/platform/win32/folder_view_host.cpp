#include "platform/win32/folder_view_host.h"

#include <shlobj.h>

#include <memory>

#include "platform/common/unavailable_location.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/location_problem.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

struct ItemIdListFree {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using ScopedItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListFree>;

constexpr int kNoticeMargin = 12;  // pixels between the pane's edge and the notice

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

}  // namespace

FolderViewHost::FolderViewHost(HWND host) : host_(host) { CreateBrowser(); }

FolderViewHost::~FolderViewHost() { DestroyBrowser(); }

bool FolderViewHost::CreateBrowser() {
  if (FAILED(CoCreateInstance(CLSID_ExplorerBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IExplorerBrowser,
                              reinterpret_cast<void**>(browser_.Put())))) {
    return false;
  }
  RECT area{};
  GetClientRect(host_, &area);
  FOLDERSETTINGS settings{FVM_DETAILS, FWF_NOWEBVIEW};
  if (FAILED(browser_->Initialize(host_, &area, &settings))) {
    browser_.Reset();
    return false;
  }
  browser_->SetOptions(EBO_NOBORDER);
  return true;
}

void FolderViewHost::DestroyBrowser() {
  if (browser_) browser_->Destroy();
  browser_.Reset();
}

bool FolderViewHost::Navigate(const std::string& location) {
  const std::wstring full = FullPath(location);
  if (const DWORD problem = FolderProblem(full); problem != 0) {
    ShowNotice(location, problem);
    return false;
  }
  if (!browser_ && !CreateBrowser()) return false;
  PIDLIST_ABSOLUTE list = nullptr;
  HRESULT result = SHParseDisplayName(full.c_str(), nullptr, &list, 0, nullptr);
  const ScopedItemIdList folder(SUCCEEDED(result) ? list : nullptr);
  if (folder) result = browser_->BrowseToIDList(folder.get(), SBSP_ABSOLUTE);
  if (FAILED(result)) {
    ShowNotice(location, ErrorOfResult(result));
    return false;
  }
  SetNotice(L"");
  return true;
}

// The previous folder must not stay on view as if it were this location's: the browser goes
// with everything it listed.
void FolderViewHost::ShowNotice(const std::string& location, DWORD error) {
  DestroyBrowser();
  SetNotice(Utf8ToWide(platform::UnavailableLocationNotice(location, error, SystemMessageText(error))));
}

// The notice is also the window's text, where accessibility tools read it.
void FolderViewHost::SetNotice(std::wstring notice) {
  if (notice == notice_) return;
  notice_ = std::move(notice);
  SetWindowTextW(host_, notice_.c_str());
  InvalidateRect(host_, nullptr, FALSE);
}

void FolderViewHost::PaintNotice(HDC dc, const RECT& area) const {
  if (notice_.empty()) return;
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  RECT text = area;
  InflateRect(&text, -kNoticeMargin, -kNoticeMargin);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  GdiFont font(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)
                   ? CreateFontIndirectW(&metrics.lfMessageFont)
                   : nullptr);
  GdiSelection selected(dc, font.Valid() ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextW(dc, notice_.c_str(), static_cast<int>(notice_.size()), &text,
            DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
}

void FolderViewHost::FitTo(HWND host) {
  RECT area{};
  if (browser_ && GetClientRect(host, &area)) browser_->SetRect(nullptr, area);
}

}  // namespace tarnwick::win32
