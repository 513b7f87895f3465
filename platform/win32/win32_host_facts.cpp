#include "platform/win32/win32_host_facts.h"

#include <windows.h>

#include <cpuid.h>

#include <cstring>

namespace tamsendor::win32 {

namespace {
constexpr char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kProcessorKey[] = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
}  // namespace

std::string Win32HostFacts::OsProductName() const {
  return registry_.ReadString(platform::RegistryRoot::LocalMachine, kWindowsKey, "ProductName")
      .value_or("");
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

int Win32HostFacts::CpuSpeedMhz() const {
  const auto mhz = registry_.ReadDword(platform::RegistryRoot::LocalMachine, kProcessorKey, "~MHz");
  return mhz ? static_cast<int>(*mhz) : 0;
}

}  // namespace tamsendor::win32
