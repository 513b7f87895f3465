#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace tamsendor::win32 {

// COM on this thread for the length of a scope; balanced only when this scope started it (a
// thread that has COM already keeps it).
class ComScope {
 public:
  ComScope()
      : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComScope() {
    if (SUCCEEDED(result_))
      CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

// Holds one reference to a COM object and releases it when it goes.
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { Release(); }
  ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) {
      Release();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  // For the calls that hand a new reference back through a pointer.
  T** Out() {
    Release();
    return &object_;
  }
  T* Get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  void Release() {
    if (object_ != nullptr)
      std::exchange(object_, nullptr)->Release();
  }

  T* object_ = nullptr;
};

}  // namespace tamsendor::win32
