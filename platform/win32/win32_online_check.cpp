#include "platform/win32/win32_online_check.h"

#include <windows.h>

namespace tamsendor::win32 {

std::optional<bool> Win32OnlineCheck::IsOffline() {
  // From the system folder only: a url.dll planted beside the program is never loaded.
  HMODULE module = LoadLibraryExW(library_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr)
    return std::nullopt;
  using InetIsOfflineFunction = BOOL(WINAPI*)(DWORD);
  const FARPROC found = GetProcAddress(module, "InetIsOffline");
  if (found == nullptr)
    return std::nullopt;
  // Through void(*)(), the one function pointer type every other converts to without a warning.
  const auto inetIsOffline =
      reinterpret_cast<InetIsOfflineFunction>(reinterpret_cast<void (*)()>(found));
  return inetIsOffline(0) != FALSE;
}

}  // namespace tamsendor::win32
