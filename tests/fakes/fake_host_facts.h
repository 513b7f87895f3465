#pragma once

#include "platform/host_facts.h"
#include "platform/adapter_probes.h"

namespace tamsendor::fakes {

// A machine described by the test; the defaults are an ordinary 2007 machine.
class FakeHostFacts : public platform::HostFacts {
 public:
  std::string osProductName = "Microsoft Windows XP";
  std::string osBuild = "2600";
  std::uint64_t totalPhysicalMemory = 2147483648;
  std::string cpuName = "Intel(R) Core(TM)2 CPU          6600  @ 2.40GHz";
  int cpuSpeedMhz = 2400;

  std::string OsProductName() const override { return osProductName; }
  std::string OsBuild() const override { return osBuild; }
  std::uint64_t TotalPhysicalMemory() const override { return totalPhysicalMemory; }
  std::string CpuName() const override { return cpuName; }
  int CpuSpeedMhz() const override { return cpuSpeedMhz; }
};

// Adapter probes that answer what the test sets.
class FakeAdapterProbes : public platform::AdapterProbes {
 public:
  platform::AtiAdapterInfo ati;
  platform::DisplayClassInfo displayClass;
  platform::AtiAdapterInfo ProbeAtiAdapter() override { return ati; }
  platform::DisplayClassInfo ProbeDisplayClassKey() override { return displayClass; }
};

}  // namespace tamsendor::fakes
