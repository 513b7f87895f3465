#include "platform/win32/win32_host_facts.h"

#include <windows.h>

#include <cpuid.h>
#include <x86intrin.h>

#include <cstring>
#include <optional>

#include "platform/processor_clock.h"

namespace tamsendor::win32 {

namespace {
constexpr char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
// Where the older family of Windows keeps it.
constexpr char kOlderWindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kProcessorKey[] = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
}  // namespace

std::string Win32HostFacts::WindowsVersionText(const char* name) const {
  for (const char* key : {kWindowsKey, kOlderWindowsKey}) {
    if (registry_.KeyExists(platform::RegistryRoot::LocalMachine, key))
      return registry_.ReadString(platform::RegistryRoot::LocalMachine, key, name).value_or("");
  }
  return "";
}

std::string Win32HostFacts::OsProductName() const {
  return WindowsVersionText("ProductName");
}

std::string Win32HostFacts::OsBuild() const {
  return WindowsVersionText("CurrentBuildNumber");
}

std::uint64_t Win32HostFacts::TotalPhysicalMemory() const {
  // The extended query: the older one counts in 32 bits and stops at 4 GB.
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  if (!GlobalMemoryStatusEx(&status))
    return 0;
  return status.ullTotalPhys;
}

std::string Win32HostFacts::CpuName() const {
  unsigned int highest = __get_cpuid_max(0x80000000, nullptr);
  if (highest < 0x80000004)
    return {};
  char brand[49] = {};
  for (unsigned int leaf = 0; leaf < 3; ++leaf) {
    unsigned int regs[4] = {};
    __get_cpuid(0x80000002 + leaf, &regs[0], &regs[1], &regs[2], &regs[3]);
    std::memcpy(brand + leaf * 16, regs, 16);
  }
  return std::string(brand, strnlen(brand, 48));
}

namespace {

// One reading: the time-stamp counter's ticks over 20 ms of the performance counter. The wait
// spins rather than sleeps: a sleeping thread may wake late, on another processor.
double ReadTimeStampClockMhz(LONGLONG frequency) {
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  const unsigned long long ticksAtStart = __rdtsc();
  const LONGLONG span = frequency / 50;
  do {
    QueryPerformanceCounter(&now);
  } while (now.QuadPart - start.QuadPart < span);
  const unsigned long long ticks = __rdtsc() - ticksAtStart;
  const double seconds =
      static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency);
  return static_cast<double>(ticks) / seconds / 1e6;
}

std::optional<int> MeasureClockMhz() {
  LARGE_INTEGER frequency;
  if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0)
    return std::nullopt;
  // At time-critical priority hardly anything preempts a reading.
  const HANDLE thread = GetCurrentThread();
  const int priority = GetThreadPriority(thread);
  SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL);
  const std::optional<int> mhz = platform::SettledClockMhz(
      [&]() -> std::optional<double> { return ReadTimeStampClockMhz(frequency.QuadPart); }, 10);
  if (priority != THREAD_PRIORITY_ERROR_RETURN)
    SetThreadPriority(thread, priority);
  return mhz;
}

}  // namespace

int Win32HostFacts::CpuSpeedMhz() const {
  std::optional<int> mhz = MeasureClockMhz();
  if (!mhz || *mhz <= 0) {
    // The figure the system recorded at boot, where the counters cannot be read.
    const auto recorded =
        registry_.ReadDword(platform::RegistryRoot::LocalMachine, kProcessorKey, "~MHz");
    mhz = recorded ? static_cast<int>(*recorded) : 0;
  }
  return *mhz > 0 ? platform::NormalizeClockMhz(*mhz) : 0;
}

}  // namespace tamsendor::win32
