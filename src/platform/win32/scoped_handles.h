#pragma once
// One owner type per acquire/release pair of the native objects the backend holds. Each frees
// its object exactly once, is movable and not copyable. The traits of GDI objects, memory
// device contexts and icons are in gdi_objects.h.
#include <windows.h>

#include <utility>

namespace tarnwick::win32 {

// A value together with the function that releases it; `Traits` names both.
template <typename Traits>
class Scoped {
 public:
  using Value = typename Traits::Value;
  Scoped() = default;
  explicit Scoped(Value value) : value_(value) {}
  ~Scoped() { Reset(); }
  Scoped(Scoped&& other) noexcept : value_(std::exchange(other.value_, Traits::Empty())) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) {
      Reset();
      value_ = std::exchange(other.value_, Traits::Empty());
    }
    return *this;
  }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

  Value Get() const { return value_; }
  bool Valid() const { return value_ != Traits::Empty(); }
  // Gives up ownership without releasing (for objects the system has already destroyed).
  Value Release() { return std::exchange(value_, Traits::Empty()); }
  void Reset(Value value = Traits::Empty()) {
    if (value_ != Traits::Empty()) Traits::Free(value_);
    value_ = value;
  }

 private:
  Value value_ = Traits::Empty();
};

struct WindowTraits {
  using Value = HWND;
  static Value Empty() { return nullptr; }
  static void Free(Value window) { DestroyWindow(window); }
};
struct KernelHandleTraits {  // mutexes, processes, threads
  using Value = HANDLE;
  static Value Empty() { return nullptr; }
  static void Free(Value handle) { CloseHandle(handle); }
};
struct FileTraits {  // files opened with CreateFile, which fails with INVALID_HANDLE_VALUE
  using Value = HANDLE;
  static Value Empty() { return INVALID_HANDLE_VALUE; }
  static void Free(Value file) { CloseHandle(file); }
};
struct MenuTraits {
  using Value = HMENU;
  static Value Empty() { return nullptr; }
  static void Free(Value menu) { DestroyMenu(menu); }
};
struct EventSourceTraits {
  using Value = HANDLE;
  static Value Empty() { return nullptr; }
  static void Free(Value source) { DeregisterEventSource(source); }
};

struct ModuleTraits {
  using Value = HMODULE;
  static Value Empty() { return nullptr; }
  static void Free(Value module) { FreeLibrary(module); }
};

using ScopedWindow = Scoped<WindowTraits>;
using ScopedKernelHandle = Scoped<KernelHandleTraits>;
using ScopedFile = Scoped<FileTraits>;
using ScopedMenu = Scoped<MenuTraits>;
using ScopedEventSource = Scoped<EventSourceTraits>;
using ScopedModule = Scoped<ModuleTraits>;  // a module loaded with LoadLibrary

}  // namespace tarnwick::win32
