#pragma once

#include "platform/host_facts.h"
#include "platform/registry.h"

namespace tamsendor::win32 {

class Win32HostFacts : public platform::HostFacts {
 public:
  explicit Win32HostFacts(const platform::Registry& registry) : registry_(registry) {}

  std::string OsProductName() const override;
  std::uint64_t TotalPhysicalMemory() const override;
  std::string CpuName() const override;
  // The clock the system recorded for the first processor at boot.
  int CpuSpeedMhz() const override;

 private:
  const platform::Registry& registry_;
};

}  // namespace tamsendor::win32
