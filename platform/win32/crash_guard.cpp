#include "platform/win32/crash_guard.h"

#include <windows.h>
#include <dbghelp.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <typeinfo>

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

// What the crashed thread hands to the crash thread. Set up at installation, so that nothing
// needs to be allocated on the crashed thread.
struct CrashState {
  CrashGuard::Handler handler;
  HANDLE request = nullptr;
  HANDLE done = nullptr;
  std::atomic<bool> crashing{false};
  DWORD threadId = 0;
  EXCEPTION_POINTERS* pointers = nullptr;
  // For the crashes that come without a processor exception: the state where they were seen.
  EXCEPTION_RECORD record{};
  CONTEXT context{};
  EXCEPTION_POINTERS ownPointers{};
  const char* what = nullptr;  // for those crashes
  char whatBuffer[512] = {};
};

CrashState& State() {
  static CrashState state;
  return state;
}

constexpr DWORD kCrashExitCode = 0xE0C0DE01;

std::string ExceptionName(DWORD code) {
  const char* name = "exception";
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
      name = "access violation";
      break;
    case EXCEPTION_STACK_OVERFLOW:
      name = "stack overflow";
      break;
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
      name = "integer division by zero";
      break;
    case EXCEPTION_ILLEGAL_INSTRUCTION:
      name = "illegal instruction";
      break;
    case EXCEPTION_IN_PAGE_ERROR:
      name = "in-page error";
      break;
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
      name = "array bounds exceeded";
      break;
    case EXCEPTION_PRIV_INSTRUCTION:
      name = "privileged instruction";
      break;
    case EXCEPTION_BREAKPOINT:
      name = "breakpoint";
      break;
    default:
      break;
  }
  char text[96];
  std::snprintf(text, sizeof(text), "%s (0x%08lX)", name, static_cast<unsigned long>(code));
  return text;
}

platform::CodeLocation LocationOf(DWORD64 address) {
  platform::CodeLocation location;
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(address), &module)) {
    location.offset = address;
    return location;
  }
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  std::wstring name(path);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  location.module = Narrow(name);
  location.offset = address - reinterpret_cast<DWORD64>(module);
  return location;
}

// The return addresses from a thread's state, by the unwind tables every x64 module has.
std::vector<platform::CodeLocation> StackOf(const CONTEXT& start) {
  std::vector<platform::CodeLocation> stack;
  CONTEXT context = start;
  for (int depth = 0; depth < 40 && context.Rip != 0; ++depth) {
    stack.push_back(LocationOf(context.Rip));
    DWORD64 imageBase = 0;
    PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr);
    if (function == nullptr) {
      // A leaf function: its return address is on top of the stack.
      if (IsBadReadPtr(reinterpret_cast<void*>(context.Rsp), sizeof(DWORD64)))
        break;
      context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
      context.Rsp += sizeof(DWORD64);
      continue;
    }
    void* handlerData = nullptr;
    DWORD64 establisher = 0;
    RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, function, &context, &handlerData,
                     &establisher, nullptr);
  }
  return stack;
}

DWORD WINAPI CrashThread(void*) {
  CrashState& state = State();
  WaitForSingleObject(state.request, INFINITE);
  platform::CrashFacts facts;
  const EXCEPTION_RECORD& record = *state.pointers->ExceptionRecord;
  if (state.what != nullptr) {
    facts.what = state.what;
  } else {
    facts.what = ExceptionName(record.ExceptionCode);
    facts.address = LocationOf(reinterpret_cast<DWORD64>(record.ExceptionAddress));
  }
  facts.stack = StackOf(*state.pointers->ContextRecord);
  try {
    if (state.handler)
      state.handler(facts);
  } catch (...) {
  }
  SetEvent(state.done);
  return 0;
}

// The crashed thread's part: hand over, wait, end. A second crash, or one in the crash layer,
// ends the process at once.
[[noreturn]] void Crash(EXCEPTION_POINTERS* pointers, const char* what) {
  CrashState& state = State();
  if (state.crashing.exchange(true) || state.request == nullptr)
    TerminateProcess(GetCurrentProcess(), kCrashExitCode);
  state.threadId = GetCurrentThreadId();
  state.pointers = pointers;
  state.what = what;
  SetEvent(state.request);
  WaitForSingleObject(state.done, INFINITE);
  TerminateProcess(GetCurrentProcess(), kCrashExitCode);
  std::abort();
}

// A crash seen by the C runtime or by C++: the state here stands for the crash's.
[[noreturn]] void CrashHere(const char* what) {
  CrashState& state = State();
  RtlCaptureContext(&state.context);
  state.record.ExceptionCode = kCrashExitCode;
  state.record.ExceptionAddress = reinterpret_cast<void*>(state.context.Rip);
  state.ownPointers.ExceptionRecord = &state.record;
  state.ownPointers.ContextRecord = &state.context;
  Crash(&state.ownPointers, what);
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* pointers) {
  Crash(pointers, nullptr);
}

[[noreturn]] void OnTerminate() {
  CrashState& state = State();
  const char* what = "std::terminate";
  if (std::exception_ptr escaped = std::current_exception()) {
    try {
      std::rethrow_exception(escaped);
    } catch (const std::exception& error) {
      std::snprintf(state.whatBuffer, sizeof(state.whatBuffer), "C++ exception %s: %s",
                    typeid(error).name(), error.what());
      what = state.whatBuffer;
    } catch (...) {
      what = "C++ exception of an unknown type";
    }
  }
  CrashHere(what);
}

void OnInvalidParameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned, uintptr_t) {
  CrashHere("invalid parameter passed to the C runtime");
}

void OnPureCall() {
  CrashHere("pure virtual function call");
}

}  // namespace

void CrashGuard::Install(Handler handler) {
  CrashState& state = State();
  state.handler = std::move(handler);
  state.request = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  state.done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = CreateThread(nullptr, 256 * 1024, CrashThread, nullptr, 0, nullptr);
  if (thread != nullptr)
    CloseHandle(thread);
  // Room for the filter on a thread whose stack overflowed.
  ULONG reserve = 64 * 1024;
  SetThreadStackGuarantee(&reserve);
  SetUnhandledExceptionFilter(OnUnhandledException);
  std::set_terminate(OnTerminate);
  _set_invalid_parameter_handler(OnInvalidParameter);
  _set_purecall_handler(OnPureCall);
  // Windows swallows faults in timer handlers unless told not to; ours must crash as any other.
  BOOL suppress = FALSE;
  SetUserObjectInformationW(GetCurrentProcess(), UOI_TIMERPROC_EXCEPTION_SUPPRESSION, &suppress,
                            sizeof(suppress));
  // The system's own crash dialog would come on top of ours.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
}

bool CrashGuard::WriteMinidump(const std::wstring& path) {
  CrashState& state = State();
  if (state.pointers == nullptr)
    return false;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  MINIDUMP_EXCEPTION_INFORMATION exception{state.threadId, state.pointers, FALSE};
  const BOOL written =
      MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file,
                        static_cast<MINIDUMP_TYPE>(MiniDumpNormal | MiniDumpWithThreadInfo),
                        &exception, nullptr, nullptr);
  CloseHandle(file);
  if (!written)
    DeleteFileW(path.c_str());
  return written != FALSE;
}

}  // namespace tamsendor::win32
