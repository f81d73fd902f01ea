#include "app/form_x.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "app/splash_design.h"
#include "common/titles.h"
#include "config/config_reader.h"

namespace tarnwick::app {
namespace {
constexpr float kSecondsPerDay = 86400.0f;
// The last tenth of a second before midnight, as a single-precision value (86399.8984375).
constexpr float kJustBeforeMidnight = 86399.9f;
constexpr float kJustAfterMidnight = 1.0f;
constexpr float kFadeStepSeconds = 0.01f;
constexpr int kFadeSteps = 51;
constexpr int kFadeStepSize = 5;

// The two refusals; lines are joined with bare carriage returns.
const char* const kNoConfigMessage = "config.ini 를 찾을수가 없습니다.\r\r프로그램을 종료합니다.";
const char* const kAlreadyRunningMessage = "프로그램이 이미 실행중 입니다.";

constexpr float kShortestWaitSeconds = 0.001f;

// How long to sleep at clock reading `now` in a wait that is over once the clock reads past
// `until`. A reading may lag the time by up to one step of the clock (near 1/128 s late in the
// day), so the sleep stops a step short of `until` and then goes a millisecond at a time: the
// wait ends as close after the clock passes `until` as when the clock was read flat out.
float SecondsToWait(float now, float until) {
  const float clock_step = std::nextafter(now, 2.0f * kSecondsPerDay) - now;
  return std::max(until - now - clock_step, kShortestWaitSeconds);
}
}  // namespace

FormX::FormX(platform::Platform& platform, Edition edition, std::function<void()> show_main_window)
    : platform_(platform),
      edition_(edition),
      show_main_window_(std::move(show_main_window)),
      transparency_(platform.styles) {
  window_ = platform_.windows.Create(SplashDesign(platform_.pictures), *this);
}

FormX::~FormX() { platform_.windows.Destroy(window_); }

bool FormX::isFileExists(const std::string& path) { return platform_.app.FileLength(path).has_value(); }

bool FormX::RefusesToStart() {
  const char* message = nullptr;
  if (!isFileExists(config::ConfigPath(platform_.app.ProgramFolder()))) {
    message = kNoConfigMessage;
  } else if (platform_.app.IsPreviousInstance()) {
    message = kAlreadyRunningMessage;
  } else {
    return false;
  }
  (void)platform_.windows.ShowMessageBox(window_, message, titles::ApplicationTitle(edition_), platform::kMbOk);
  platform_.app.EndNow();
  return true;
}

void FormX::Form_Load() {
  if (RefusesToStart()) return;
  (void)platform_.windows.SetControlText(window_, kLabel1, titles::SplashText(edition_));

  transparency_.SetTargetForm(*this);
  transparency_.EnableLayering();
  transparency_.SetTargetAlpha(0);
  (void)platform_.windows.Show(window_);
  Fade(1, kFadeStepSize);
  transparency_.SetTargetAlpha(255);
  platform_.app.PumpEvents();
  transparency_.DisableLayering();
  transparency_.SetTargetHandle(platform::kNoWindow);
  SleepIn(2.0f);

  transparency_.SetTargetForm(*this);
  transparency_.EnableLayering();
  transparency_.SetTargetAlpha(255);
  Fade(255, -kFadeStepSize);
  (void)platform_.windows.Hide(window_);
  transparency_.DisableLayering();
  transparency_.SetTargetHandle(platform::kNoWindow);
  SleepIn(1.0f);
  if (platform_.app.HasEnded()) return;

  show_main_window_();
  (void)platform_.windows.Hide(window_);
}

void FormX::Fade(int first_alpha, int step) {
  for (int i = 0, alpha = first_alpha; i < kFadeSteps && !platform_.app.HasEnded(); ++i, alpha += step) {
    FadeStepWait();
    transparency_.SetTargetAlpha(static_cast<std::uint8_t>(alpha));
  }
}

void FormX::FadeStepWait() {
  const float start = platform_.clock.SecondsSinceMidnight();
  const float limit = start + kFadeStepSeconds;  // rounded to single precision before the test
  float previous = start;
  for (;;) {
    platform_.app.PumpEvents();
    const float now = platform_.clock.SecondsSinceMidnight();
    // A reading below the one before it means midnight has passed: the step is over.
    if (now > limit || now < previous || platform_.app.HasEnded()) return;
    previous = now;
    platform_.app.WaitForEvents(SecondsToWait(now, limit));
  }
}

template <typename Condition>
void FormX::WaitWhile(Condition keep_waiting, float until) {
  float previous = platform_.clock.SecondsSinceMidnight();
  float now = previous;
  while (keep_waiting(now) && !platform_.app.HasEnded()) {
    platform_.app.PumpEvents();
    now = platform_.clock.SecondsSinceMidnight();
    // A reading below the one before it means midnight has passed, which ends every wait here.
    if (now < previous) return;
    previous = now;
    if (keep_waiting(now)) platform_.app.WaitForEvents(SecondsToWait(now, until));
  }
}

void FormX::SleepIn(float seconds) {
  float target = platform_.clock.SecondsSinceMidnight() + seconds;
  if (target > kSecondsPerDay) {
    const float rounded = std::nearbyint(target);  // halves to even in the default rounding mode
    const auto days = static_cast<std::int16_t>(static_cast<std::int32_t>(rounded) / 86400);
    target = static_cast<float>(static_cast<std::int32_t>(rounded) % 86400);
    for (std::int16_t day = 0; day < days; ++day) {
      WaitWhile([](float now) { return now < kJustBeforeMidnight; }, kJustBeforeMidnight);
      WaitWhile([](float now) { return now > kJustAfterMidnight; }, kSecondsPerDay);
    }
  }
  WaitWhile([target](float now) { return now < target; }, target);
}

bool FormX::OnUnload() {
  platform_.app.EndNow();
  return false;
}

}  // namespace tarnwick::app
