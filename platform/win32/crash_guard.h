#pragma once

#include <functional>
#include <string>

#include "platform/crash_facts.h"

namespace tamsendor::win32 {

// Catches every way the program can die of its own fault: processor faults (a stack overflow
// too), C++ exceptions that reach a window procedure or std::terminate, invalid parameters to
// the C runtime and pure virtual calls. The crash goes to the handler on a thread kept for it,
// with a stack of its own, while the crashed thread waits; then the process ends. A crash while
// the handler runs (in the handler itself, or on another thread) ends the process at once.
class CrashGuard {
 public:
  using Handler = std::function<void(const platform::CrashFacts& facts)>;

  // First thing at the program entry; once.
  static void Install(Handler handler);

  // While the handler runs: a minidump of the crash (the threads and modules, the crashed
  // thread's stack; no full memory). False when it could not be written.
  static bool WriteMinidump(const std::wstring& path);
};

}  // namespace tamsendor::win32
