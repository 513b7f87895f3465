#pragma once

#include "sysinfo/adapter_facts.h"

namespace tamsendor::sysinfo {

// Until the drivers are asked, neither probe answers, and the report describes the graphics
// card from the DirectX diagnostic alone.
class UnprobedAdapters : public AdapterProbes {
 public:
  AtiAdapterInfo ProbeAtiAdapter() override { return {}; }
  DisplayClassInfo ProbeDisplayClassKey() override { return {}; }
};

}  // namespace tamsendor::sysinfo
