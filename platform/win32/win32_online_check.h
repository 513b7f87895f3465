#pragma once

#include <optional>

#include "platform/online_check.h"

namespace tamsendor::win32 {

// The shell's own answer, InetIsOffline of url.dll, loaded from the system folder only. The
// library stays loaded once it is.
class Win32OnlineCheck : public platform::OnlineCheck {
 public:
  explicit Win32OnlineCheck(const wchar_t* library = L"url.dll") : library_(library) {}
  std::optional<bool> IsOffline() override;

 private:
  const wchar_t* library_;
};

}  // namespace tamsendor::win32
