#pragma once
// What a window hears from the platform. The backend calls these on the one user-interface
// thread, one at a time. Each logic window implements the ones it handles.

namespace tarnwick::platform {

enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

struct MouseArgs {
  int button = 0;  // MouseButton bits
  int shift = 0;
  float x = 0, y = 0;  // twips, relative to the control or the window's client area
};

class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void OnClick(int /*control*/) {}
  virtual void OnMouseDown(int /*control*/, const MouseArgs&) {}
  virtual void OnMouseUp(int /*control*/, const MouseArgs&) {}
  // Mouse over the window's own surface (not a control).
  virtual void OnFormMouseMove(const MouseArgs&) {}
  virtual void OnTimer(int /*timer*/) {}
  // A close request, whatever its cause; return true to cancel it.
  virtual bool OnQueryUnload(int /*mode*/) { return false; }
  // The window is about to be destroyed; return true to keep it.
  virtual bool OnUnload() { return false; }
};

// A close request, whatever its cause: the query-unload handler, then the unload handler, may
// each keep the window; when neither does, `destroy` runs. `events` gives the window's handlers
// at each step, or nullptr once a handler has destroyed the window, which ends the sequence.
template <typename CurrentEvents, typename DestroyWindow>
void RunCloseSequence(CurrentEvents events, DestroyWindow destroy) {
  if (WindowEvents* handlers = events(); handlers == nullptr || handlers->OnQueryUnload(0)) return;
  if (WindowEvents* handlers = events(); handlers == nullptr || handlers->OnUnload()) return;
  destroy();
}

}  // namespace tarnwick::platform
