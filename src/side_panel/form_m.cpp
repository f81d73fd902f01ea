#include "side_panel/form_m.h"

#include "common/program_start.h"
#include "common/titles.h"
#include "main_window/image_path.h"
#include "side_panel/form_m_design.h"

namespace tarnwick::side_panel {
namespace {
using platform::Dimension;

const char* const kSection = "Tarnwick\u2122";
constexpr int kTimerInterval = 10;

// Full edition geometry, twips.
constexpr float kStartWidth = 430, kStartHeight = 1290, kStartSpot = 3450, kBottomMargin = 800;
constexpr float kOpenSpot = 1800, kWidthStep = 132, kHeightStep = 42;
constexpr float kFinalWidth = 15345, kFinalHeight = 4710;
constexpr float kCollapsedWidth = 1270, kCollapsedHeight = 415, kOpenWidth = 15375;
constexpr float kClosedWidth = 1260, kClosedHeight = 405;
// LE edition geometry, twips.
constexpr float kLeHeight = 4710, kLeGap = 500;
}  // namespace

FormM::FormM(platform::Platform& platform, Edition edition, std::function<float()> main_window_width)
    : platform_(platform),
      edition_(edition),
      main_window_width_(std::move(main_window_width)),
      config_(platform.ini, platform.ansi, config::ConfigPath(platform.app.ProgramFolder())) {
  window_ = platform_.windows.Create(FormMDesign(edition_, platform_.pictures), *this);
}

FormM::~FormM() {
  if (Loaded()) platform_.windows.Destroy(window_);
}

float FormM::Get(Dimension which) const { return platform_.windows.GetDimension(window_, which).value_or(0.0f); }
void FormM::Set(Dimension which, float twips) { (void)platform_.windows.SetDimension(window_, which, twips); }

void FormM::KeepBottomMargin() {
  Set(Dimension::Top, platform_.windows.ScreenHeightTwips() - kBottomMargin - Get(Dimension::Height));
}

void FormM::Form_Load() {
  const float screen_width = platform_.windows.ScreenWidthTwips();
  if (edition_ == Edition::Full) {
    Set(Dimension::Width, kStartWidth);
    Set(Dimension::Height, kStartHeight);
    Set(Dimension::Left, screen_width - kStartSpot);
    KeepBottomMargin();
    StartTimer(kTimer1);
  } else {
    Set(Dimension::Width, kLePanelWidth);
    Set(Dimension::Height, kLeHeight);
    PlaceAtFixedSpot(kLeFirstPlacementWidth);
  }
  ApplyPictures();
  Image_Click(kFirstFolderTab);
}

void FormM::ApplyPictures() {
  const std::string folder = platform_.app.ProgramFolder();
  const auto load = [&](const std::string& section, const std::string& key) {
    return platform_.pictures.LoadPicture(main_window::BuildImagePath(folder, config_.ReadConfigValue(section, key)));
  };
  // A picture that cannot be loaded leaves the background colour or the built-in picture.
  if (const auto background = load("BG2", "image")) (void)platform_.windows.SetBackgroundPicture(window_, *background);
  for (int button = kFirstProgramButton; button <= kLastProgramButton; ++button) {
    const auto picture = load(kSection, "PXimg" + std::to_string(button - kFirstProgramButton + 1));
    if (picture) (void)platform_.windows.SetControlPicture(window_, button, *picture);
  }
  for (int tab = kFirstFolderTab; tab <= kLastFolderTab; ++tab) {
    if (const auto picture = load(kSection, "Pimg" + std::to_string(tab))) {
      (void)platform_.windows.SetControlPicture(window_, tab, *picture);
    }
  }
}

void FormM::PlaceAtFixedSpot(float panel_width) {
  const float screen_width = platform_.windows.ScreenWidthTwips();
  Set(Dimension::Left, screen_width - panel_width - kLeGap - main_window_width_());
  KeepBottomMargin();
}

bool FormM::Form_Unload() {
  if (edition_ == Edition::Le) return false;
  // An opening still under way would fight the closing steps; the closing wins.
  StopTimer(kTimer1);
  StopTimer(kTimer2);
  StartTimer(kTimer3);
  return true;
}

bool FormM::OnUnload() {
  if (Form_Unload()) return true;
  window_ = platform::kNoWindow;  // the platform destroys the window now
  return false;
}

void FormM::Image_Click(int n) {
  if (n >= kFirstFolderTab && n <= kLastFolderTab) {
    OpenFolder(n);
  } else if (n >= kFirstProgramButton && n <= kLastProgramButton) {
    StartProgram(n);
  } else if (n == kAboutButton) {
    (void)platform_.windows.ShowMessageBox(window_, titles::AboutText(edition_), "About...",
                                           platform::kMbIconInformation);
  }
}

void FormM::OpenFolder(int tab) {
  const std::string name = config_.ReadConfigValue(kSection, "PUrl" + std::to_string(tab));
  const std::string location = platform_.app.ProgramFolder() + "\\" + name + "\\";
  (void)platform_.folder_view.Navigate(window_, kWebBrowser1, location);
}

void FormM::StartProgram(int button) {
  const std::string key = "PXUrl" + std::to_string(button - kFirstProgramButton + 1);
  (void)StartCommandLine(platform_.processes, config_.ReadConfigValue(kSection, key), platform::kSwShowNormal);
}

void FormM::Image_MouseDown(int n) { (void)platform_.windows.SetControlBorder(window_, n, 1); }
void FormM::Image_MouseUp(int n) { (void)platform_.windows.SetControlBorder(window_, n, 0); }

void FormM::Show() { (void)platform_.windows.Show(window_); }
void FormM::StartTimer(int timer) { (void)platform_.windows.SetTimerInterval(window_, timer, kTimerInterval); }
void FormM::StopTimer(int timer) { (void)platform_.windows.SetTimerInterval(window_, timer, 0); }

void FormM::OnTimer(int timer) {
  if (edition_ == Edition::Le) {
    StopTimer(timer);  // the LE edition has no animation
    return;
  }
  switch (timer) {
    case kTimer0: Timer0_Timer(); break;
    case kTimer1: Timer1_Timer(); break;
    case kTimer2: Timer2_Timer(); break;
    case kTimer3: Timer3_Timer(); break;
    default: break;
  }
}

void FormM::Timer0_Timer() {
  StopTimer(kTimer0);
  const float screen_width = platform_.windows.ScreenWidthTwips();
  if (Get(Dimension::Width) <= kCollapsedWidth || Get(Dimension::Height) <= kCollapsedHeight) {
    Set(Dimension::Left, screen_width - kStartSpot);
    KeepBottomMargin();
    StartTimer(kTimer1);
    StartTimer(kTimer2);
  }
  if (Get(Dimension::Width) >= kOpenWidth || Get(Dimension::Height) >= kFinalHeight) {
    Set(Dimension::Left, screen_width - kOpenSpot - Get(Dimension::Width));
    KeepBottomMargin();
  }
}

void FormM::Timer1_Timer() {
  const float width = Get(Dimension::Width);
  if (width >= kFinalWidth) {
    StopTimer(kTimer1);
    StartTimer(kTimer2);
    return;
  }
  const float left = Get(Dimension::Left);
  Set(Dimension::Width, width + kWidthStep);
  Set(Dimension::Left, left - kWidthStep);
}

void FormM::Timer2_Timer() {
  const float height = Get(Dimension::Height);
  if (height >= kFinalHeight) {
    StopTimer(kTimer2);
    Set(Dimension::Width, kFinalWidth);
    Set(Dimension::Height, kFinalHeight);
    Set(Dimension::Left, platform_.windows.ScreenWidthTwips() - kOpenSpot - Get(Dimension::Width));
    KeepBottomMargin();
    return;
  }
  const float top = Get(Dimension::Top);
  Set(Dimension::Height, height + kHeightStep);
  Set(Dimension::Top, top - kHeightStep);
}

void FormM::Timer3_Timer() {
  const float width = Get(Dimension::Width), left = Get(Dimension::Left);
  const float height = Get(Dimension::Height), top = Get(Dimension::Top);
  if (width > kClosedWidth && height > kClosedHeight) {
    Set(Dimension::Width, width - kWidthStep);
    Set(Dimension::Left, left + kWidthStep);
    Set(Dimension::Height, height - kHeightStep);
    Set(Dimension::Top, top + kHeightStep);
    return;
  }
  (void)platform_.windows.Hide(window_);
  StopTimer(kTimer3);
}

}  // namespace tarnwick::side_panel
