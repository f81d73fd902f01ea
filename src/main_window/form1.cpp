#include "main_window/form1.h"

#include <cmath>
#include <cstdio>

#include "common/program_start.h"
#include "common/titles.h"
#include "fading/form_transparency.h"
#include "main_window/form1_design.h"
#include "main_window/image_path.h"
#include "main_window/transparency_value.h"

namespace tarnwick::main_window {
namespace {
using platform::Dimension;

constexpr float kTwipsPerCaptionPixel = 15.0f;  // assumed whatever the display uses
constexpr float kDockWidth = 1335.0f;
constexpr int kMnuExit = 0;
// Tray events carry the number of the mouse message that the icon received.
constexpr auto kTrayDoubleClick = static_cast<std::int32_t>(platform::kMsgLButtonDblClk);
constexpr auto kTrayRightRelease = static_cast<std::int32_t>(platform::kMsgRButtonUp);

std::string ThreeDigits(int n) {
  char section[8];
  std::snprintf(section, sizeof section, "%03d", n);
  return section;
}
}  // namespace

Form1::Form1(platform::Platform& platform, Edition edition, SidePanelLink side_panel)
    : platform_(platform),
      edition_(edition),
      side_panel_(std::move(side_panel)),
      config_(platform.ini, platform.ansi, config::ConfigPath(platform.app.ProgramFolder())),
      tip_(TipField(titles::ProductTitle(edition), platform.ansi)) {
  window_ = platform_.windows.Create(Form1Design(edition_, platform_.pictures), *this);
}

Form1::~Form1() { platform_.windows.Destroy(window_); }

void Form1::Form_Load() {
  auto& windows = platform_.windows;
  (void)windows.SetDimension(window_, Dimension::Height, windows.ScreenHeightTwips());
  if (const auto width = windows.GetDimension(window_, Dimension::Width)) {
    (void)windows.SetDimension(window_, Dimension::Left, (windows.ScreenWidthTwips() - *width) / 2.0f);
  }
  (void)windows.SetDimension(window_, Dimension::Top, 0.0f);
  ApplyTransparency();
  ApplySkin();
  TrayAdd();
  platform_.app.SetTaskListVisible(false);
  RemoveCaption();
}

void Form1::ApplyTransparency() {
  if (const auto alpha = ParseTransparency(config_.ReadConfigValue("option1", "transparency"))) {
    (void)fading::SetWindowAlpha(platform_.styles, window_, *alpha);
  }
}

void Form1::ApplySkin() {
  const std::string folder = platform_.app.ProgramFolder();
  const auto load = [&](const char* section) {
    return platform_.pictures.LoadPicture(BuildImagePath(folder, config_.ReadConfigValue(section, "image")));
  };
  // A picture that cannot be loaded leaves the window's colour or the button's design picture.
  if (const auto background = load("BG1")) (void)platform_.windows.SetBackgroundPicture(window_, *background);
  for (int n = 1; n < kButtonCount; ++n) {
    if (const auto picture = load(ThreeDigits(n).c_str())) (void)platform_.windows.SetControlPicture(window_, n, *picture);
  }
}

void Form1::RemoveCaption() {
  const int caption_height = platform_.windows.SystemMetric(platform::kSmCyCaption);
  if (const auto style = platform_.styles.ReadWindowLong(window_, platform::kGwlStyle)) {
    (void)platform_.styles.WriteWindowLong(window_, platform::kGwlStyle, *style & ~platform::kWsCaption);
  }
  if (const auto height = platform_.windows.GetDimension(window_, Dimension::Height)) {
    (void)platform_.windows.SetDimension(window_, Dimension::Height,
                                         *height - kTwipsPerCaptionPixel * static_cast<float>(caption_height));
  }
}

void Form1::TrayAdd() {
  trayIconData.cbSize = platform::kTrayRecordSize;
  trayIconData.hWnd = window_;
  trayIconData.uID = 1;
  trayIconData.uFlags = platform::kNifMessage | platform::kNifIcon | platform::kNifTip;
  trayIconData.uCallbackMessage = platform::kMsgMouseMove;
  trayIconData.hIcon = platform_.tray.ProgramIcon();
  trayIconData.szTip = tip_;
  (void)platform_.tray.NotifyIcon(platform::kNimAdd, trayIconData.ToRecord());
}

void Form1::Show() { (void)platform_.windows.Show(window_); }

void Form1::Image_Click(int n) {
  if (n == 0) {
    if (side_panel_.open) side_panel_.open();
    return;
  }
  if (n < 1 || n >= kButtonCount) return;
  // Read afresh at every click: an edit of the file takes effect at the next click.
  const std::string command_line = config_.ReadConfigValue(ThreeDigits(n), "source");
  (void)StartCommandLine(platform_.processes, command_line, platform::kSwShowNormal);
}

void Form1::Image_MouseDown(int n) { (void)platform_.windows.SetControlBorder(window_, n, 1); }
void Form1::Image_MouseUp(int n) { (void)platform_.windows.SetControlBorder(window_, n, 0); }

void Form1::Timer1_Timer() {
  auto& windows = platform_.windows;
  (void)windows.SetDimension(window_, Dimension::Width, kDockWidth);
  (void)windows.SetDimension(window_, Dimension::Height, windows.ScreenHeightTwips());
  if (const auto width = windows.GetDimension(window_, Dimension::Width)) {
    (void)windows.SetDimension(window_, Dimension::Left, windows.ScreenWidthTwips() - *width);
  }
  (void)windows.SetDimension(window_, Dimension::Top, 0.0f);
  TrayAdd();
  platform_.app.SetTaskListVisible(false);
}

void Form1::Form_MouseMove(const platform::MouseArgs& args) {
  // Tray events arrive as mouse moves whose x, in pixels, is the mouse message's code.
  trayMessage = static_cast<std::int32_t>(std::nearbyint(args.x / platform_.windows.TwipsPerPixelX()));
  if (trayBusy) return;
  trayBusy = true;
  if (trayMessage == kTrayDoubleClick) {
    RestoreFromTray();
  } else if (trayMessage == kTrayRightRelease) {
    const int chosen = platform_.windows.PopupMenu(window_, {"종료"});
    if (chosen == kMnuExit) mnuExit_Click();
  }
  trayBusy = false;
}

void Form1::RestoreFromTray() {
  TrayAdd();
  Show();
  platform_.app.SetTaskListVisible(false);
}

void Form1::mnuExit_Click() {
  const int answer =
      platform_.windows.ShowMessageBox(window_, titles::ExitQuestion(edition_), "Close", platform::kMbYesNo);
  if (answer != platform::kIdYes) {
    Show();
    return;
  }
  if (side_panel_.unload_if_loaded) side_panel_.unload_if_loaded();
  Unload();
  platform_.app.EndNow();
}

void Form1::Form_QueryUnload() {
  trayIconData.cbSize = platform::kTrayRecordSize;
  trayIconData.hWnd = window_;
  trayIconData.uID = 1;
  (void)platform_.tray.NotifyIcon(platform::kNimDelete, trayIconData.ToRecord());
}

bool Form1::OnQueryUnload(int) {
  Form_QueryUnload();
  return false;  // the close always goes ahead
}

// The unload handler leaves the tray icon alone; the close step above has removed it.
bool Form1::OnUnload() { return false; }

void Form1::Unload() {
  platform::RunCloseSequence([this]() -> platform::WindowEvents* { return this; },
                             [this] {
                               platform_.windows.Destroy(window_);
                               window_ = platform::kNoWindow;
                             });
}

}  // namespace tarnwick::main_window
