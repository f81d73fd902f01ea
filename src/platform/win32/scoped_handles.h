#pragma once
// One owner type per acquire/release pair of the native objects the backend holds. Each frees
// its object exactly once, is movable and not copyable.
#include <windows.h>
#include <ole2.h>

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
struct GdiObjectTraits {
  using Value = HGDIOBJ;
  static Value Empty() { return nullptr; }
  static void Free(Value object) { DeleteObject(object); }
};
struct IconTraits {
  using Value = HICON;
  static Value Empty() { return nullptr; }
  static void Free(Value icon) { DestroyIcon(icon); }
};
struct KernelHandleTraits {  // mutexes, processes, threads
  using Value = HANDLE;
  static Value Empty() { return nullptr; }
  static void Free(Value handle) { CloseHandle(handle); }
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
struct MemoryDcTraits {  // from CreateCompatibleDC
  using Value = HDC;
  static Value Empty() { return nullptr; }
  static void Free(Value dc) { DeleteDC(dc); }
};

using ScopedWindow = Scoped<WindowTraits>;
using ScopedGdiObject = Scoped<GdiObjectTraits>;
using ScopedIcon = Scoped<IconTraits>;
using ScopedKernelHandle = Scoped<KernelHandleTraits>;
using ScopedMenu = Scoped<MenuTraits>;
using ScopedEventSource = Scoped<EventSourceTraits>;
using ScopedMemoryDc = Scoped<MemoryDcTraits>;

// GetDC / ReleaseDC.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
  ~ScopedPaint() { EndPaint(window_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  HDC Dc() const { return paint_.hdc; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

// SelectObject, restoring the previous object on exit.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// OleInitialize / OleUninitialize: COM in a single-threaded apartment plus OLE, which the
// picture decoder and the embedded browser need.
class ScopedOleInit {
 public:
  ScopedOleInit() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~ScopedOleInit() {
    if (ok_) OleUninitialize();
  }
  ScopedOleInit(const ScopedOleInit&) = delete;
  ScopedOleInit& operator=(const ScopedOleInit&) = delete;
  bool Ok() const { return ok_; }

 private:
  bool ok_;
};

// A COM interface pointer: Release on exit.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For out-parameters of creating calls: releases what is held and hands out the slot.
  Interface** Put() {
    Reset();
    return &pointer_;
  }
  void Reset() {
    if (pointer_) pointer_->Release();
    pointer_ = nullptr;
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace tarnwick::win32
