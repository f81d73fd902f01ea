// Checks the Windows backend from inside a real process (run under Wine by
// e2e/test_backend.py): geometry in twips read back in whole pixels, control events from real
// window messages, close requests, timers, styles and layered opacity, the version query, file
// probing, the instance marker, program starts, picture decoding and text conversion.
// Prints one line per check and exits with the number of failed checks.
// Usage: backend_selftest.exe <folder with test pictures>   (backend_selftest.exe --exit: ends at once)
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "config/config_reader.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/native_handle.h"
#include "platform/win32/native_window.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/shell_notice_filter.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_ini.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_text.h"

namespace {

using namespace tarnwick;
using platform::Dimension;

int failures = 0;

void Check(bool ok, const std::string& what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
  if (!ok) ++failures;
}

// Records the events a window hears, as "Down 7", "Up 7", "Click 7", "Move 7725", "Timer 3",
// "QueryUnload", "Unload".
struct Recorder : platform::WindowEvents {
  std::vector<std::string> events;
  bool refuse_close = false;
  void OnClick(int control) override { events.push_back("Click " + std::to_string(control)); }
  void OnMouseDown(int control, const platform::MouseArgs& args) override {
    events.push_back("Down " + std::to_string(control) + " button " + std::to_string(args.button));
  }
  void OnMouseUp(int control, const platform::MouseArgs&) override { events.push_back("Up " + std::to_string(control)); }
  void OnFormMouseMove(const platform::MouseArgs& args) override {
    events.push_back("Move " + std::to_string(std::lround(args.x)));
  }
  void OnTimer(int timer) override { events.push_back("Timer " + std::to_string(timer)); }
  bool OnQueryUnload(int) override {
    events.push_back("QueryUnload");
    return refuse_close;
  }
  bool OnUnload() override {
    events.push_back("Unload");
    return false;
  }
  std::string Joined() const {
    std::string all;
    for (const auto& event : events) all += (all.empty() ? "" : ", ") + event;
    return all;
  }
};

constexpr int kImage = 7, kLabel = 8;

platform::WindowSpec TestWindow() {
  platform::WindowSpec spec;
  spec.caption = "Backend check";
  spec.frame = platform::FrameStyle::FixedSingle;
  spec.client_width = 3000;
  spec.client_height = 1500;
  spec.centred = true;
  platform::ControlSpec image;
  image.id = kImage;
  image.left = 150;
  image.top = 150;
  image.width = 1095;
  image.height = 855;
  platform::ControlSpec label;
  label.id = kLabel;
  label.kind = platform::ControlKind::Label;
  label.left = 1500;
  label.width = 1200;
  label.height = 600;
  label.font_name = "Tahoma";
  label.font_points = 9;
  spec.controls = {image, label};
  return spec;
}

HWND ChildOf(HWND window, int id) { return GetDlgItem(window, id); }

std::wstring WindowText(HWND window) {
  wchar_t text[512] = L"";
  GetWindowTextW(window, text, 512);
  return text;
}

void SendMouse(HWND control, UINT message, int x, int y, WPARAM keys = 0) {
  SendMessageW(control, message, keys, MAKELPARAM(x, y));
}

void CheckText() {
  using win32::WithCrLfBreaks;
  const std::string korean = "프로그램이 이미 실행중 입니다. Tarnwick\u2122";
  Check(win32::WideToUtf8(win32::Utf8ToWide(korean)) == korean, "UTF-8 text survives the wide-character round trip");
  Check(WithCrLfBreaks(L"a\rb") == L"a\r\nb" && WithCrLfBreaks(L"a\r\rb") == L"a\r\n\r\nb",
        "bare carriage returns become line breaks");
  Check(WithCrLfBreaks(L"a\r\nb\nc") == L"a\r\nb\r\nc", "CR LF stays one break, a bare LF becomes one");
}

void CheckGeometry(platform::WindowPort& windows, platform::WindowHandle window) {
  const float per_pixel = windows.TwipsPerPixelX();
  win32::WindowDc screen(nullptr);
  Check(std::fabs(per_pixel * static_cast<float>(GetDeviceCaps(screen.Get(), LOGPIXELSX)) - 1440.0f) < 0.01f,
        "twips per pixel is 1440 / dpi");
  RECT client{};
  GetClientRect(win32::ToHwnd(window), &client);
  Check(client.right == std::lround(3000 / per_pixel) && client.bottom == std::lround(1500 / per_pixel),
        "the client area has the designed size in pixels");
  (void)windows.SetDimension(window, Dimension::Left, 100 * per_pixel + 7);
  Check(windows.GetDimension(window, Dimension::Left) == 100 * per_pixel, "Left is kept in whole pixels");
  (void)windows.SetDimension(window, Dimension::Width, 220 * per_pixel + 7);
  RECT outer{};
  GetWindowRect(win32::ToHwnd(window), &outer);
  Check(outer.right - outer.left == 220 && windows.GetDimension(window, Dimension::Width) == 220 * per_pixel,
        "Width is the outer width, read back in whole pixels");
  (void)windows.SetDimension(window, Dimension::Top, 0);
  (void)windows.SetDimension(window, Dimension::Height, windows.ScreenHeightTwips());
  Check(windows.GetDimension(window, Dimension::Height) == windows.ScreenHeightTwips() &&
            windows.GetDimension(window, Dimension::Top) == 0.0f,
        "a window can be as tall as the screen at the top edge");
  (void)windows.SetDimension(window, Dimension::Width, 430);
  (void)windows.SetDimension(window, Dimension::Height, 375);
  Check(windows.GetDimension(window, Dimension::Width) == 29 * per_pixel &&
            windows.GetDimension(window, Dimension::Height) == 25 * per_pixel,
        "a titled window takes a size below the system's minimum for one (29 x 25 pixels)");
  Check(!windows.GetDimension(0x7777, Dimension::Left).has_value(), "no geometry for an unknown window");
}

void CheckControlEvents(platform::Platform& ports, platform::WindowHandle window, Recorder& recorder) {
  HWND image = ChildOf(win32::ToHwnd(window), kImage);
  recorder.events.clear();
  SendMouse(image, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  SendMouse(image, WM_LBUTTONUP, 5, 5);
  Check(recorder.Joined() == "Down 7 button 1, Up 7, Click 7", "a click gives MouseDown, MouseUp, Click: " + recorder.Joined());
  recorder.events.clear();
  SendMouse(image, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  SendMouse(image, WM_LBUTTONUP, 5, 5);
  SendMouse(image, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
  SendMouse(image, WM_LBUTTONUP, 5, 5);
  Check(recorder.Joined() == "Down 7 button 1, Up 7, Click 7, Up 7", "a double-click is one click: " + recorder.Joined());
  recorder.events.clear();
  SendMouse(image, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  SendMouse(image, WM_LBUTTONUP, 500, 5);
  Check(recorder.Joined() == "Down 7 button 1, Up 7", "releasing off the control gives no click: " + recorder.Joined());
  recorder.events.clear();
  SendMouse(image, WM_RBUTTONDOWN, 5, 5, MK_RBUTTON);
  SendMouse(image, WM_RBUTTONUP, 5, 5);
  Check(recorder.Joined() == "Down 7 button 2, Up 7", "the right button gives no click: " + recorder.Joined());
  recorder.events.clear();
  SendMouse(win32::ToHwnd(window), WM_MOUSEMOVE, 515, 0);
  Check(recorder.Joined() == "Move " + std::to_string(std::lround(515 * ports.windows.TwipsPerPixelX())),
        "a form mouse move arrives in twips: " + recorder.Joined());
  Check(ports.windows.SetControlBorder(window, kImage, 1) && !ports.windows.SetControlBorder(window, 99, 1),
        "borders are set on known controls only");
}

void CheckContents(platform::WindowPort& windows, platform::WindowHandle window) {
  (void)windows.SetCaption(window, "캡션 Tarnwick\u2122");
  Check(win32::WideToUtf8(WindowText(win32::ToHwnd(window))) == "캡션 Tarnwick\u2122", "captions take Korean text");
  (void)windows.SetControlText(window, kLabel, "one\rtwo");
  Check(WindowText(ChildOf(win32::ToHwnd(window), kLabel)) == L"one\r\ntwo", "label lines break at bare CRs");
  Check(!windows.SetControlText(window, 99, "x"), "text of an unknown control is refused");
}

void CheckTimersAndClose(platform::Platform& ports, platform::WindowHandle window, Recorder& recorder) {
  recorder.events.clear();
  (void)ports.windows.SetTimerInterval(window, 3, 1);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 300) ports.app.PumpEvents();
  (void)ports.windows.SetTimerInterval(window, 3, 0);
  const auto ticks = recorder.events.size();
  std::printf("   timer at 1 ms: %zu ticks in 300 ms\n", ticks);
  Check(ticks >= 3 && recorder.events.front() == "Timer 3", "a 1 ms timer ticks while events are pumped");
  recorder.events.clear();
  recorder.refuse_close = true;
  PostMessageW(win32::ToHwnd(window), WM_CLOSE, 0, 0);
  ports.app.PumpEvents();
  Check(recorder.Joined() == "QueryUnload" && ports.styles.IsWindow(window), "a refused close keeps the window");
  recorder.events.clear();
  recorder.refuse_close = false;
  PostMessageW(win32::ToHwnd(window), WM_CLOSE, 0, 0);
  ports.app.PumpEvents();
  Check(recorder.Joined() == "QueryUnload, Unload" && !ports.styles.IsWindow(window),
        "an accepted close unloads and destroys the window");
  Check(!ports.windows.Show(window), "a destroyed window cannot be shown");
}

void CheckStyles(platform::WindowStylePort& styles, platform::WindowHandle window) {
  const auto ex_style = styles.ReadWindowLong(window, platform::kGwlExStyle);
  Check(ex_style.has_value(), "the extended style can be read");
  Check(styles.WriteWindowLong(window, platform::kGwlExStyle, ex_style.value_or(0) | platform::kWsExLayered) &&
            (styles.ReadWindowLong(window, platform::kGwlExStyle).value_or(0) & platform::kWsExLayered),
        "the layered bit can be set");
  Check(styles.SetLayeredWindowAttributes(window, 0, 128, platform::kLwaAlpha), "layered opacity can be applied");
  Check(!styles.ReadWindowLong(0, platform::kGwlExStyle) && !styles.WriteWindowLong(0, platform::kGwlStyle, 0),
        "styles of no window fail");
  Check(!styles.IsWindow(0) && styles.IsWindow(window), "IsWindow tells windows from 0");
  const auto version = styles.QueryVersion(148);
  Check(version && version->major >= 5, "the version query with 148 bytes reports major version 5 or later");
  Check(!styles.QueryVersion(0) && !styles.QueryVersion(4096), "the version query refuses wrong record sizes");
}

void CheckOwner(platform::Platform& ports, platform::WindowHandle window) {
  HWND owner = GetWindow(win32::ToHwnd(window), GW_OWNER);
  Check(owner != nullptr && !IsWindowVisible(owner), "windows are owned by a hidden owner");
  ports.app.SetTaskListVisible(true);
  const bool shown = IsWindowVisible(owner) != FALSE;
  ports.app.SetTaskListVisible(false);
  Check(shown && !IsWindowVisible(owner), "the task-list switch shows and hides the owner");
}

// What keeps a window from getting lost: no minimise box on a fixed frame, a minimised window
// shown again comes back restored, and the shell's restart notice is let through.
void CheckWindowKeeping(platform::WindowPort& windows, platform::WindowHandle window) {
  HWND native = win32::ToHwnd(window);
  Check((GetWindowLongW(native, GWL_STYLE) & WS_MINIMIZEBOX) == 0, "a fixed single frame has no minimise box");
  ShowWindow(native, SW_MINIMIZE);
  const bool minimised = IsIconic(native) != FALSE;
  (void)windows.Show(window);
  Check(minimised && !IsIconic(native) && IsWindowVisible(native), "showing a minimised window restores it");
  Check(win32::AllowShellRestartNotice(native, win32::ShellRestartedMessage()),
        "the shell's restart notice is let through to a window");
}

// A config.ini in a folder named in Thai letters and an emoji, which no ANSI code page of a
// Korean or Western system spells: the launcher's lookup reads it, and the portable rules on its
// wide name give what the system call gives on the same file.
void CheckIniInUnspelledFolder(const std::string& folder) {
  const std::string thai = folder + "\\\xe0\xb8\x97\xe0\xb8\x94\xe0\xb8\xaa\xe0\xb8\xad\xe0\xb8\x9a \xf0\x9f\x98\x80";
  CreateDirectoryW(win32::Utf8ToWide(thai).c_str(), nullptr);
  const std::string path = thai + "\\config.ini";
  {
    win32::ScopedFile file(CreateFileW(win32::Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    const char text[] = "[001]\r\nsource=  \"quoted\"  \r\n[BG1]\r\nimage=bg.jpg\r\n";
    DWORD written = 0;
    Check(file.Valid() && WriteFile(file.Get(), text, sizeof text - 1, &written, nullptr), "a file is written in it");
  }
  win32::Win32Ini ini;
  const win32::Win32CodePage code_page;
  Check(config::ReadConfigValue(ini, code_page, path, "BG1", "image") == "bg.jpg" &&
            config::ReadConfigValue(ini, code_page, path, "001", "source") == "quoted",
        "lookups read config.ini in a folder the code page cannot spell");
  char by_rules[32] = "", by_system[32] = "";
  const std::string missing = code_page.FromUtf8(std::string(config::MissingValueText));
  const std::size_t rules_count =
      win32::ReadProfileStringByRules("001", "source", missing, by_rules, sizeof by_rules, path, code_page);
  const std::size_t system_count = ini.ReadProfileString("001", "source", missing, by_system, sizeof by_system, path);
  Check(rules_count == system_count && std::string(by_rules) == by_system,
        "the portable rules on the wide name give the system's answer");
}

void CheckFiles(platform::ApplicationPort& app, const std::string& folder) {
  Check(app.FileLength(folder + "\\empty.ini") == 0u, "a zero-length file has length 0");
  Check(app.FileLength(folder + "\\splash_logo.jpg").value_or(0) > 0, "a file has its length");
  Check(!app.FileLength(folder + "\\missing.ini") && !app.FileLength(folder), "missing files and folders have none");
  Check(!app.FileLength("") && !app.FileLength("\\\\?\\bad<>path"), "bad paths have none");
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring self_folder(self);
  self_folder.resize(self_folder.find_last_of(L'\\'));
  Check(app.ProgramFolder() == win32::WideToUtf8(self_folder), "the program folder is the executable's folder");
}

void CheckInstances(win32::OwnerWindow& owner) {
  const std::string name = "TarnwickSelfTest" + std::to_string(GetCurrentProcessId());
  win32::Win32Application first(owner, name);
  win32::Win32Application second(owner, name);
  Check(!first.IsPreviousInstance() && !first.IsPreviousInstance(), "the first copy finds no previous copy, every time");
  Check(second.IsPreviousInstance(), "a second copy finds the first");
}

void CheckProcesses(platform::ProcessPort& processes) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::string command = "\"";  // appended piecewise: GCC 12 warns falsely about "..." + std::string
  command += win32::WideToUtf8(self);
  command += "\" --exit";
  using platform::StartOutcome;
  Check(processes.StartProgram(command, 1) == StartOutcome::Started, "a program is started from its command line");
  Check(processes.StartProgram("", 1) != StartOutcome::Started &&
            processes.StartProgram("값이 없습니다.", 1) == StartOutcome::NotAProgram,
        "a command line naming no program fails");
}

// The elevation prompt itself cannot be shown here; what can be seen is that it is never asked
// for anything but a program file.
void CheckElevatedStartRefusals(platform::ProcessPort& processes, const std::string& folder) {
  using platform::StartOutcome;
  Check(processes.StartElevated(folder + "\\empty.ini", "", 1) == StartOutcome::NotAProgram &&
            processes.StartElevated(folder + "\\splash_logo.jpg", "", 1) == StartOutcome::NotAProgram,
        "the elevation prompt is never asked to open a document");
  Check(processes.StartElevated(folder, "", 1) == StartOutcome::NotAProgram &&
            processes.StartElevated(folder + "\\missing.exe", "", 1) == StartOutcome::NotAProgram,
        "...nor a folder or a missing program");
}

void CheckPictures(platform::PicturePort& pictures, const std::string& folder) {
  const auto jpeg = pictures.LoadPicture(folder + "\\splash_logo.jpg");
  Check(jpeg && jpeg->WidthPixels() == 100 && jpeg->HeightPixels() == 58, "a JPEG file decodes at its size");
  const auto png = pictures.LoadPicture(folder + "\\three_by_two.png");
  const auto bmp = pictures.LoadPicture(folder + "\\three_by_two.bmp");
  Check(png && bmp && png->WidthPixels() == 3 && bmp->HeightPixels() == 2, "PNG and BMP files decode");
  Check(!pictures.LoadPicture(folder + "\\truncated.jpg") && !pictures.LoadPicture(folder + "\\empty.ini") &&
            !pictures.LoadPicture(folder + "\\missing.jpg") && !pictures.LoadPicture(folder + "\\not_a_picture.jpg"),
        "truncated, empty, missing and non-picture files do not load");
  Check(!pictures.LoadPicture(folder + "\\huge.bmp"), "a picture claiming 20 000 x 20 000 pixels is refused");
  const auto logo = pictures.LoadDesignPicture(platform::DesignPicture::SplashLogo);
  Check(logo.WidthPixels() == 100 && logo.HeightPixels() == 58, "the splash logo is built into the program");
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK FindList(HWND child, LPARAM found) {
  wchar_t name[32] = L"";
  GetClassNameW(child, name, 32);
  if (std::wstring(name) == L"SysListView32") *reinterpret_cast<HWND*>(found) = child;
  return TRUE;
}

// How many items the folder view lists once it has shown `location`, or -1.
int ItemsShown(platform::Platform& ports, platform::WindowHandle window, const std::string& location) {
  if (!ports.folder_view.Navigate(window, 1, location)) return -1;
  ports.app.PumpEvents();
  HWND list = nullptr;
  EnumChildWindows(ChildOf(win32::ToHwnd(window), 1), FindList, reinterpret_cast<LPARAM>(&list));
  return list ? static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) : -1;
}

void CheckFolderView(platform::Platform& ports, const std::string& folder) {
  platform::WindowSpec spec;
  spec.client_width = 6000;
  spec.client_height = 4500;
  platform::ControlSpec view;
  view.id = 1;
  view.kind = platform::ControlKind::FolderView;
  view.width = 6000;
  view.height = 4500;
  spec.controls = {view};
  Recorder recorder;
  const platform::WindowHandle window = ports.windows.Create(spec, recorder);
  (void)ports.windows.Show(window);
  Check(ports.folder_view.Navigate(window, 1, folder), "the folder view shows a folder");
  ports.app.PumpEvents();
  int parts = 0;
  EnumChildWindows(ChildOf(win32::ToHwnd(window), 1), CountChild, reinterpret_cast<LPARAM>(&parts));
  Check(parts > 0, "the folder view fills its control with the shell's view");
  const int items = ItemsShown(ports, window, folder);
  Check(items > 0 && ItemsShown(ports, window, folder + "\\\\") == items,
        "a location ending in two backslashes shows the same folder");
  Check(!ports.folder_view.Navigate(window, 1, folder + "\\no such folder"), "a missing folder is not shown");
  Check(!ports.folder_view.Navigate(window, 2, folder), "only folder-view controls navigate");
  ports.windows.Destroy(window);
  Check(!ports.styles.IsWindow(window), "a window with a folder view is destroyed");
}

void CheckClock(platform::ClockPort& clock) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const float expected = static_cast<float>(now.wHour * 3600 + now.wMinute * 60 + now.wSecond);
  const float seconds = clock.SecondsSinceMidnight();
  Check(seconds >= 0 && seconds < 86400 && std::fabs(seconds - expected) < 2, "the clock reads local seconds since midnight");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc > 1 && std::wstring(argv[1]) == L"--exit") return 0;
  if (argc < 2) {
    std::printf("usage: backend_selftest.exe <folder with test pictures>\n");
    return 2;
  }
  const std::string folder = win32::WideToUtf8(argv[1]);
  win32::Win32CodePage ansi;
  win32::Win32Ini ini;
  win32::Win32Platform backend(GetModuleHandleW(nullptr), "TarnwickBackendSelfTest", ini, ansi);
  platform::Platform& ports = backend.Ports();

  CheckText();
  Recorder recorder;
  const platform::WindowHandle window = ports.windows.Create(TestWindow(), recorder);
  Check(window != platform::kNoWindow, "a window is built from its design");
  (void)ports.windows.Show(window);
  Check(ports.windows.IsVisible(window), "a shown window is visible");
  CheckGeometry(ports.windows, window);
  CheckControlEvents(ports, window, recorder);
  CheckContents(ports.windows, window);
  CheckStyles(ports.styles, window);
  CheckOwner(ports, window);
  CheckWindowKeeping(ports.windows, window);
  CheckTimersAndClose(ports, window, recorder);
  CheckFiles(ports.app, folder);
  CheckIniInUnspelledFolder(folder);
  win32::OwnerWindow owner(GetModuleHandleW(nullptr), "Instances", nullptr, nullptr);
  CheckInstances(owner);
  CheckProcesses(ports.processes);
  CheckElevatedStartRefusals(ports.processes, folder);
  CheckPictures(ports.pictures, folder);
  CheckFolderView(ports, folder);
  CheckClock(ports.clock);
  Check(ports.tray.ProgramIcon() != 0, "the program icon is loaded for the tray");
  std::printf("%d check(s) failed\n", failures);
  return failures;
}
