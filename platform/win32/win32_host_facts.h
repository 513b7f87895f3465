#pragma once

#include "platform/host_facts.h"
#include "platform/registry.h"

namespace tamsendor::win32 {

class Win32HostFacts : public platform::HostFacts {
 public:
  explicit Win32HostFacts(const platform::Registry& registry) : registry_(registry) {}

  std::string OsProductName() const override;
  std::string OsBuild() const override;
  std::uint64_t TotalPhysicalMemory() const override;
  std::string CpuName() const override;
  // The processor's clock measured against the performance counter, normalised; the figure the
  // system recorded at boot when the counters cannot be read.
  int CpuSpeedMhz() const override;

 private:
  // A value of the system's version key, the newer key's before the older one's.
  std::string WindowsVersionText(const char* name) const;

  const platform::Registry& registry_;
};

}  // namespace tamsendor::win32
