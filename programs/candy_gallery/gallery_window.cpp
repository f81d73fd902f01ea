#include "programs/candy_gallery/gallery_window.h"

#include <cstdint>
#include <utility>

#include "candy_gallery/gallery_log_records.h"
#include "platform/common/picture_scaling.h"
#include "platform/win32/monitor_dpi.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/window_class.h"
#include "programs/candy_gallery/object_counts.h"

namespace tarnwick::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TarnwickCandyGallery";
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR kCountTimer = 1;
constexpr UINT kCountPeriodMs = 2000;
// The system's shared pointers, for a check from outside that can read only the handle of the
// pointer shown (the low 32 bits, the handle's value in every process).
std::string DescribeCursors() {
  const auto low_bits = [](HCURSOR cursor) { return unsigned(reinterpret_cast<std::uintptr_t>(cursor)); };
  return gallery::CursorsRecord(low_bits(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649))),
                                low_bits(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))));
}

// A place of the layout, made at 96 dpi, at the resolution the gallery shows at.
gallery::Rect AtDpi(const gallery::Rect& place, int dpi) {
  return {platform::ScaledLength(place.x, dpi), platform::ScaledLength(place.y, dpi),
          platform::ScaledLength(place.width, dpi), platform::ScaledLength(place.height, dpi)};
}

// The dialog font, 8 points, at the gallery's resolution.
GdiFont LabelFont(int dpi) {
  return GdiFont(CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                             L"MS Shell Dlg 2"));
}

constexpr char kWelcome[] = "Move the pointer over a button, press it, or Tab to one and press Enter";

}  // namespace

// The object exists before its window, which is bound to it at WM_NCCREATE: the object hears
// every message of its window, those of the creation included.
std::unique_ptr<GalleryWindow> GalleryWindow::Create(const gallery::GalleryDescription& description,
                                                     GalleryLog& log) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClassOnce(instance, kClassName, &GalleryWindow::Procedure);
  const gallery::GalleryLayout layout = gallery::LayOut(description.buttons.size());
  const int dpi = PrimaryMonitorDpi();
  RECT frame{0, 0, platform::ScaledLength(layout.width, dpi), platform::ScaledLength(layout.height, dpi)};
  AdjustWindowRect(&frame, kFrameStyle, FALSE);
  std::unique_ptr<GalleryWindow> gallery(new GalleryWindow(log, layout, dpi, LabelFont(dpi)));
  CreateWindowExW(0, kClassName, L"Candy Gallery", kFrameStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                  gallery.get());
  if (!gallery->window_.Valid()) return nullptr;
  for (std::size_t i = 0; i < description.buttons.size(); ++i)
    if (!gallery->AddButton(description.buttons[i], i)) return nullptr;
  gallery->history_ = gallery->AddLabel(AtDpi(layout.history, dpi), SS_LEFT);
  gallery->status_ = gallery->AddLabel(AtDpi(layout.status, dpi), SS_LEFTNOWORDWRAP | SS_SUNKEN);
  const std::string status = description.message.empty() ? kWelcome : description.message;
  gallery->SetText(gallery->status_.Get(), status);
  log.Write(gallery::StatusRecord(status));
  if (log.Enabled()) SetTimer(gallery->window_.Get(), kCountTimer, kCountPeriodMs, nullptr);
  return gallery;
}

// The controls go before their windows, the labels before the window that holds them.
GalleryWindow::~GalleryWindow() {
  buttons_.clear();
  history_.Reset();
  status_.Reset();
  if (window_.Valid()) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
  window_.Reset();
}

void GalleryWindow::Forget() {
  SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
  history_.Release();
  status_.Release();
  window_.Release();
}

bool GalleryWindow::AddButton(const gallery::ButtonDescription& description, std::size_t index) {
  const gallery::Rect cell = AtDpi(gallery::ButtonCell(index), dpi_);
  auto surface = CandyWindow::Create(window_.Get(), cell.x, cell.y, cell.width, cell.height,
                                     GetSysColor(COLOR_BTNFACE), false);
  if (!surface) return false;
  Button button{description.name,
                std::make_unique<CandyWindowHost>(std::move(surface), description.name), nullptr};
  button.control = std::make_unique<candy::CandyButton>(*button.host);
  button.host->on_event = [this, name = description.name](const candy::CandyEvent& event) {
    OnEvent(name, event);
  };
  button.host->Window().SetInput(button.control.get());
  button.control->ReadProperties(description.properties);
  ShowWindow(button.host->Window().Handle(), SW_SHOWNA);  // the button hears its showing
  buttons_.push_back(std::move(button));
  return true;
}

ScopedWindow GalleryWindow::AddLabel(const gallery::Rect& place, DWORD style) {
  ScopedWindow label(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | style, place.x, place.y,
                                     place.width, place.height, window_.Get(), nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
  SendMessageW(label.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(label_font_.Get()), FALSE);
  return label;
}

void GalleryWindow::SetText(HWND label, const std::string& text) {
  SetWindowTextW(label, Utf8ToWide(text).c_str());
}

void GalleryWindow::OnEvent(const std::string& name, const candy::CandyEvent& event) {
  const std::string line = gallery::DescribeEvent(event, name);
  history_lines_.Add(line);
  SetText(history_.Get(), history_lines_.Text());
  SetText(status_.Get(), line);
  log_.Write(gallery::EventRecord(event, name));
}

void GalleryWindow::Show() {
  ShowWindow(window_.Get(), SW_SHOWNORMAL);
  UpdateWindow(window_.Get());
  LogButtonPlaces();
  log_.Write(DescribeCursors());
  log_.Write(DescribeObjectCounts(CountObjects()));
  log_.Write(gallery::ReadyRecord());
}

void GalleryWindow::FollowDpi(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  GdiFont font = LabelFont(dpi);  // the labels let go of the old font before it is deleted
  SetWindowPos(window_.Get(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    CandyWindow& surface = buttons_[i].host->Window();
    surface.FollowDpi(dpi);
    const gallery::Rect cell = AtDpi(gallery::ButtonCell(i), dpi);
    MoveWindow(surface.Handle(), cell.x, cell.y, cell.width, cell.height, TRUE);
  }
  for (const auto& [label, place] :
       {std::pair{history_.Get(), layout_.history}, std::pair{status_.Get(), layout_.status}}) {
    const gallery::Rect at = AtDpi(place, dpi);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    MoveWindow(label, at.x, at.y, at.width, at.height, TRUE);
  }
  label_font_ = std::move(font);
  InvalidateRect(window_.Get(), nullptr, TRUE);
  log_.Write(gallery::DpiRecord(dpi));
  LogButtonPlaces();
}

void GalleryWindow::LogButtonPlaces() {
  for (const Button& button : buttons_) {
    RECT place{};
    GetWindowRect(button.host->Window().Handle(), &place);
    log_.Write(gallery::PlaceRecord(
        button.name, {place.left, place.top, place.right - place.left, place.bottom - place.top}));
  }
}

LRESULT CALLBACK GalleryWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* gallery = WindowObject<GalleryWindow>(window, message, lparam);
  if (gallery && message == WM_NCCREATE) gallery->window_.Reset(window);
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return TRUE;
    }
    case WM_DPICHANGED:
      if (gallery) gallery->FollowDpi(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_TIMER:
      if (gallery) gallery->log_.Write(DescribeObjectCounts(CountObjects()));
      return 0;
    case WM_DESTROY:
      if (gallery) gallery->buttons_.clear();  // the controls go before their windows do
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      if (gallery) gallery->Forget();
      return DefWindowProcW(window, message, wparam, lparam);
    default: return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace tarnwick::win32
