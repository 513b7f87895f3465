#pragma once

#include <cstdint>
#include <string>

namespace tamsendor::platform {

// Facts about the machine that the report describes. Nothing is cached: every call asks the
// system again.
class HostFacts {
 public:
  virtual ~HostFacts() = default;
  // The operating system's product name as the system stores it; empty when it is not stored.
  virtual std::string OsProductName() const = 0;
  // The operating system's build number ("19045"); empty when it is not stored.
  virtual std::string OsBuild() const = 0;
  // Installed physical memory in bytes, the whole of it also beyond 4 GB.
  virtual std::uint64_t TotalPhysicalMemory() const = 0;
  // The processor's brand text as it reports it, leading blanks included.
  virtual std::string CpuName() const = 0;
  // The processor's clock in whole MHz.
  virtual int CpuSpeedMhz() const = 0;
};

}  // namespace tamsendor::platform
