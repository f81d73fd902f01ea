// Draws the candy button contact sheet with the Windows backend: one candy button window per
// cell, shaped and painted through GDI, in a top-level window titled "Candy contact sheet".
//   candy_sheet_window [seconds]   closes itself after `seconds` when given
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <vector>

#include "../../tools/candy_sheet_layout.h"
#include "candy_button/win32/candy_window_host.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/gdi_picture.h"
#include "platform/win32/scoped_paint.h"
#include "platform/win32/win32_text.h"

namespace {

using namespace tarnwick;

struct SheetButton {
  std::unique_ptr<win32::CandyWindowHost> host;
  std::unique_ptr<candy::CandyButton> button;
};

struct SheetWindow {
  candy_sheet::Sheet sheet = candy_sheet::MakeSheet();
  win32::GdiBrush background{CreateSolidBrush(candy_sheet::kSheetBackground)};
  std::vector<SheetButton> buttons;
};

SheetWindow* g_sheet = nullptr;

void PaintLabels(HWND window) {
  const win32::ScopedPaint paint(window);
  const HDC dc = paint.Dc();
  win32::GdiSelection font(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, 0x202020);
  for (const candy_sheet::Label& label : g_sheet->sheet.labels) {
    const std::wstring text = win32::Utf8ToWide(label.text);
    TextOutW(dc, label.x, label.y, text.c_str(), static_cast<int>(text.size()));
  }
}

LRESULT CALLBACK SheetProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: PaintLabels(window); return 0;
    case WM_TIMER: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wparam, lparam);
  }
}

HWND CreateSheetWindow(const SheetWindow& sheet) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = SheetProcedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = sheet.background.Get();
  window_class.lpszClassName = L"TarnwickCandySheet";
  if (!RegisterClassExW(&window_class)) return nullptr;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, sheet.sheet.width, sheet.sheet.height};
  AdjustWindowRect(&frame, style, FALSE);
  return CreateWindowExW(0, window_class.lpszClassName, L"Candy contact sheet", style, 0, 0,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                         window_class.hInstance, nullptr);
}

bool AddButtons(HWND window, SheetWindow& sheet) {
  const candy::ButtonPicture gem{win32::MakeIconPicture(16, 16, candy_sheet::MakeGemIcon()),
                                 platform::PictureKind::Icon, "gem"};
  for (const candy_sheet::Cell& cell : sheet.sheet.cells) {
    auto surface = win32::CandyWindow::Create(window, cell.x, cell.y, candy_sheet::kCellWidth,
                                              candy_sheet::kCellHeight, candy_sheet::kSheetBackground);
    if (!surface) return false;
    SheetButton entry{std::make_unique<win32::CandyWindowHost>(std::move(surface), "CandyButton"), nullptr};
    entry.button = std::make_unique<candy::CandyButton>(*entry.host);
    candy_sheet::ApplyCell(*entry.button, cell, gem);
    sheet.buttons.push_back(std::move(entry));
  }
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SheetWindow sheet;
  g_sheet = &sheet;
  HWND window = CreateSheetWindow(sheet);
  if (!window || !AddButtons(window, sheet)) {
    std::fprintf(stderr, "cannot create the contact sheet window\n");
    return 1;
  }
  if (argc > 1) SetTimer(window, 1, static_cast<UINT>(std::wcstoul(argv[1], nullptr, 10) * 1000), nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  std::printf("ready\n");
  std::fflush(stdout);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  sheet.buttons.clear();
  return 0;
}
