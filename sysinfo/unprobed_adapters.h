#pragma once

#include "platform/adapter_probes.h"

namespace tamsendor::sysinfo {

// Until the drivers are asked, neither probe answers, and the report describes the graphics
// card from the DirectX diagnostic alone.
class UnprobedAdapters : public platform::AdapterProbes {
 public:
  platform::AtiAdapterInfo ProbeAtiAdapter() override { return {}; }
  platform::DisplayClassInfo ProbeDisplayClassKey() override { return {}; }
};

}  // namespace tamsendor::sysinfo
