#include "skin_tools/skin_sandbox.h"

#include "config/config_reader.h"

namespace tarnwick::skin_tools {
namespace {

constexpr std::int64_t kTickMicroseconds = 10000;  // the shortest timer period the system keeps
constexpr int kMostTicks = 100000;                 // far beyond any opening; never loops for ever

bool AnyTimerRuns(const sim::SimWindow& window) {
  for (const auto& [id, timer] : window.timers) {
    if (timer.interval_ms != 0) return true;
  }
  return false;
}

}  // namespace

SkinSandbox::SkinSandbox(const std::filesystem::path& skin_folder, platform::AnsiCodePage& code_page,
                         const SandboxOptions& options)
    : code_page_(code_page),
      edition_(options.edition),
      paths_(skin_folder),
      ini_(recorder_, paths_, code_page),
      pictures_(recorder_, paths_,
                options.drawn_design_pictures ? static_cast<platform::PicturePort&>(drawn_design_pictures_) : design_tiles_,
                options.tag_pictures),
      ports_{windows_, styles_, ini_, code_page, tray_, app_, clock_,
             processes_, folder_view_, pictures_, event_log_},
      launcher_(ports_, options.edition, [this] { recorder_.step = Step{LauncherWindow::Panel, -1}; }) {
  log_.enabled = false;
  windows_.screen = options.screen;
}

void SkinSandbox::BuildSplash() {
  if (!splash_) splash_.emplace(ports_, edition_, [] {});
}

void SkinSandbox::BuildBar() {
  recorder_.step = Step{LauncherWindow::Bar, -1};
  main_window::Form1& bar = launcher_.LoadBar();
  bar.Show();
  bar.Timer1_Timer();
}

void SkinSandbox::OpenPanel() {
  if (launcher_.Bar() == nullptr) BuildBar();
  launcher_.Bar()->Image_Click(0);
  RunTimersUntilPanelRests();
}

void SkinSandbox::RunTimersUntilPanelRests() {
  for (int tick = 0; tick < kMostTicks && Panel() != nullptr && AnyTimerRuns(*Panel()); ++tick) {
    clock_.Advance(kTickMicroseconds);
    windows_.FireDueTimers(clock_.NowMicroseconds());
  }
}

void SkinSandbox::ClickEveryImage(platform::WindowHandle window, LauncherWindow which) {
  const sim::SimWindow* found = table_.Find(window);
  if (found == nullptr) return;
  std::vector<int> images;
  for (const auto& [id, control] : found->controls) {
    if (control.spec.kind == platform::ControlKind::Image) images.push_back(id);
  }
  for (int id : images) {
    recorder_.step = Step{which, id};
    windows_.Click(window, id);
  }
}

void SkinSandbox::ClickEveryButton() {
  if (launcher_.Bar() == nullptr) BuildBar();
  ClickEveryImage(launcher_.Bar()->Handle(), LauncherWindow::Bar);
  if (const side_panel::FormM* panel = launcher_.SidePanel().Panel()) ClickEveryImage(panel->Handle(), LauncherWindow::Panel);
}

void SkinSandbox::PressBarButton(int n) {
  if (main_window::Form1* bar = launcher_.Bar()) bar->Image_MouseDown(n);
}

const sim::SimWindow* SkinSandbox::Splash() const { return splash_ ? table_.Find(splash_->Handle()) : nullptr; }

const sim::SimWindow* SkinSandbox::Bar() const {
  const main_window::Form1* bar = launcher_.Bar();
  return bar != nullptr ? table_.Find(bar->Handle()) : nullptr;
}

const sim::SimWindow* SkinSandbox::Panel() const {
  const side_panel::FormM* panel = launcher_.SidePanel().Panel();
  return panel != nullptr && panel->Loaded() ? table_.Find(panel->Handle()) : nullptr;
}

void SkinSandbox::NoteTaggedTargets(LauncherTrace& trace) const {
  const auto note = [&trace](const sim::SimWindow* window) {
    if (window == nullptr) return;
    if (const auto index = TaggedLookup(window->background)) trace[*index].target = PictureTarget{true, -1};
    for (const auto& [id, control] : window->controls) {
      if (const auto index = TaggedLookup(control.picture)) trace[*index].target = PictureTarget{false, id};
    }
  };
  note(Bar());
  note(Panel());
}

LauncherTrace SkinSandbox::Trace(bool with_values) {
  LauncherTrace trace = recorder_.trace;
  NoteTaggedTargets(trace);
  if (!with_values) return trace;
  recorder_.enabled = false;
  const std::string config_path = config::ConfigPath(kProgramFolder);
  for (Lookup& lookup : trace) {
    lookup.value = config::ReadConfigValue(ini_, code_page_, config_path, lookup.section, lookup.key);
  }
  recorder_.enabled = true;
  return trace;
}

}  // namespace tarnwick::skin_tools
