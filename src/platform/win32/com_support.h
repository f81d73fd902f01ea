#pragma once
// COM and OLE on the user-interface thread: their initialisation and interface pointers.
#include <windows.h>
#include <ole2.h>

#include <utility>

namespace tarnwick::win32 {

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
