#pragma once

#include <windows.h>

#include <utility>

namespace tamsendor::win32 {

// Owns one handle and gives it back to the system when it goes, on every way out of a scope
// (an exception included). Moving hands the ownership on: the moved-from owner holds nothing and
// closes nothing. `Traits` names the handle's type, its empty value, what counts as a handle at
// all, and how it is closed.
template <typename Traits>
class Owned {
 public:
  using Type = typename Traits::Type;

  Owned() noexcept = default;
  explicit Owned(Type handle) noexcept : handle_(handle) {}
  ~Owned() { reset(); }

  Owned(Owned&& other) noexcept : handle_(other.release()) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other)
      reset(other.release());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Type get() const noexcept { return handle_; }
  bool valid() const noexcept { return Traits::Valid(handle_); }

  // The handle for the caller to close from now on; this owner holds nothing afterwards.
  [[nodiscard]] Type release() noexcept { return std::exchange(handle_, Traits::Empty()); }

  // Closes the handle held, if any, and holds `handle` instead.
  void reset(Type handle = Traits::Empty()) noexcept {
    const Type previous = std::exchange(handle_, handle);
    if (Traits::Valid(previous))
      Traits::Close(previous);
  }

  // For the calls that hand a new handle back through a pointer (RegOpenKeyExW,
  // OpenProcessToken): closes what is held and lends the place the new one is written to.
  Type* receive() noexcept {
    reset();
    return &handle_;
  }

 private:
  Type handle_ = Traits::Empty();
};

// The empty value of most kinds of handle: null.
template <typename Handle>
struct NullIsEmpty {
  using Type = Handle;
  static Type Empty() noexcept { return nullptr; }
  static bool Valid(Type handle) noexcept { return handle != nullptr; }
};

// Kernel objects closed with CloseHandle: processes, threads, events, mutexes, files, tokens,
// tool-help snapshots. The creating calls report failure either as null (OpenProcess,
// CreateEvent) or as INVALID_HANDLE_VALUE (CreateFile, CreateToolhelp32Snapshot); neither is
// closed. The pseudo-handle of the current process equals INVALID_HANDLE_VALUE and is never owned.
struct KernelHandleTraits : NullIsEmpty<HANDLE> {
  static bool Valid(Type handle) noexcept {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
  }
  static void Close(Type handle) noexcept { CloseHandle(handle); }
};
using Handle = Owned<KernelHandleTraits>;

// A directory listing from FindFirstFile(Ex)W, ended with FindClose.
struct FindHandleTraits : KernelHandleTraits {
  static Type Empty() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Type listing) noexcept { FindClose(listing); }
};
using FindHandle = Owned<FindHandleTraits>;

// An opened registry key. The predefined roots (HKEY_CURRENT_USER and the others) are never
// owned: they are passed as plain HKEYs.
struct RegistryKeyTraits : NullIsEmpty<HKEY> {
  static void Close(Type key) noexcept { RegCloseKey(key); }
};
using RegistryKey = Owned<RegistryKeyTraits>;

// A GDI pen, brush, bitmap or font, deleted with DeleteObject. It must no longer be selected into
// a device context by then: restore the context's previous object first, or let the context go
// first (declare the object before the context).
template <typename Object>
struct GdiObjectTraits : NullIsEmpty<Object> {
  static void Close(Object object) noexcept { DeleteObject(object); }
};
template <typename Object>
using GdiObject = Owned<GdiObjectTraits<Object>>;

// A memory device context from CreateCompatibleDC, deleted with DeleteDC.
struct MemoryDcTraits : NullIsEmpty<HDC> {
  static void Close(Type dc) noexcept { DeleteDC(dc); }
};
using MemoryDc = Owned<MemoryDcTraits>;

}  // namespace tamsendor::win32
