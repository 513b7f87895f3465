#pragma once

#include <string>
#include <vector>

#include "platform/adapter_probes.h"
#include "platform/display_driver.h"
#include "platform/locale_clock.h"
#include "platform/registry.h"

namespace tamsendor::sysinfo {

// The graphics probes of the report's header, through the display driver's escapes and the
// registry. An adapter counts as ATI exactly when both ATI escapes answer and the first display's
// device identifier names the vendor 1002. Each probe re-probes; the ATI bus and memory types
// keep an earlier probe's texts when ATI's registry keys are missing.
// What one ATI probe finds: the live clocks in MHz and the first display's description.
struct TRadeonInfo {
  double CoreClock = 0;
  double MemoryClock = 0;
  std::string Description;
};

class DriverAdapterProbes : public platform::AdapterProbes {
 public:
  DriverAdapterProbes(platform::DisplayDriver& driver, const platform::Registry& registry,
                      const platform::LocaleClock& locale)
      : driver_(driver), registry_(registry), locale_(locale) {}

  // The card name, live core and memory clocks ("621.00 MHz", the locale's separator), and the
  // bus and memory types cut before their first "(".
  platform::AtiAdapterInfo ProbeAtiAdapter() override;
  // The first display class key's "DriverDesc", and the GPU and memory speeds: the third and
  // sixth of the non-zero clock readings of escape 28727. The section is valid only with six
  // readings from this probe, neither speed "0 MHz".
  platform::DisplayClassInfo ProbeDisplayClassKey() override;

  // The non-zero clock readings of the last class-key probe, in whole MHz.
  const std::vector<std::string>& ClockList() const { return ClockList_; }

 private:
  // Runs the ATI detection and fills `radeon`; false when the adapter is no ATI one.
  bool DetectAti(TRadeonInfo& radeon);

  platform::DisplayDriver& driver_;
  const platform::Registry& registry_;
  const platform::LocaleClock& locale_;
  std::string AtiBusType_;
  std::string AtiMemoryType_;
  std::vector<std::string> ClockList_;
};

// The text in front of its first "(", a blank before it included; the whole text without one.
std::string CutBeforeBracket(const std::string& text);

}  // namespace tamsendor::sysinfo
