#pragma once
// The splash window and the program's start-up: the two refusals, the fade in, the hold, the
// fade out, the pause and the hand-over to the main window.
#include <functional>
#include <string>

#include "common/edition.h"
#include "fading/form_transparency.h"
#include "platform/platform.h"

namespace tarnwick::app {

class FormX : public platform::WindowEvents {
 public:
  // `show_main_window` makes the main window visible, constructing it on first use.
  FormX(platform::Platform& platform, Edition edition, std::function<void()> show_main_window);
  ~FormX() override;
  FormX(const FormX&) = delete;
  FormX& operator=(const FormX&) = delete;

  // The start-up sequence. Returns with the splash hidden and the main window shown, or after
  // the program was ended (platform.app.HasEnded()).
  void Form_Load();
  // True when the file system reports a length for `path` (a zero-length file exists).
  bool isFileExists(const std::string& path);
  // Waits `seconds` while pumping events; ends at midnight.
  void SleepIn(float seconds);

  platform::WindowHandle Handle() const { return window_; }

  static constexpr int kPicture1 = 1;
  static constexpr int kLabel1 = 2;

 private:
  bool OnUnload() override;
  bool RefusesToStart();
  void Fade(int first_alpha, int step);
  // Pumps events at least once, until the clock has moved 0.01 s past its reading at the start.
  // Between pumps it sleeps until an event comes or the step may be over.
  void FadeStepWait();
  // Pumps events while `keep_waiting(clock)` holds, testing before the first pump. Between
  // pumps it sleeps until an event comes or the clock may read `until`, where the wait is over
  // at the latest.
  template <typename Condition>
  void WaitWhile(Condition keep_waiting, float until);

  platform::Platform& platform_;
  Edition edition_;
  std::function<void()> show_main_window_;
  fading::FormTransparency transparency_;
  platform::WindowHandle window_ = platform::kNoWindow;
};

}  // namespace tarnwick::app
