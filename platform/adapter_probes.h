#pragma once

#include <string>

namespace tamsendor::platform {

// What the ATI driver tells about its adapter, when it answers.
struct AtiAdapterInfo {
  bool Valid = false;
  std::string CardName;
  std::string BusType;
  std::string MemoryType;
  std::string CoreClock;
  std::string MemoryClock;
};

// What the display class's registry entry tells about the adapter, when it has the values.
struct DisplayClassInfo {
  bool Valid = false;
  std::string DriverDesc;
  std::string GpuSpeed;
  std::string MemorySpeed;
};

// Asks the graphics driver and its registry entry about the adapter.
class AdapterProbes {
 public:
  virtual ~AdapterProbes() = default;
  virtual AtiAdapterInfo ProbeAtiAdapter() = 0;
  virtual DisplayClassInfo ProbeDisplayClassKey() = 0;
};

}  // namespace tamsendor::platform
