#pragma once

#include <string>

#include "platform/registry.h"
#include "ui/busy_indicator.h"

namespace tamsendor::sysinfo {

// What the DirectX diagnostic says about the machine. Texts are UTF-8.
struct DirectXFacts {
  std::string CardName;
  std::string DisplayMemory;
  std::string DriverVersion;
  std::string Sound;
};

// The DirectX facts for this program run's benchmarks: from the cache in the product key, which
// a diagnosis fills, or "indeterminable" when no diagnosis has a result. The card name is not
// cached: it is known only after a diagnosis in this program run.
class DirectXInformation {
 public:
  DirectXInformation(const platform::Registry& registry, ui::BusyIndicator& AdvCircularProgress1)
      : registry_(registry), AdvCircularProgress1_(AdvCircularProgress1) {}

  // Takes the cached texts; false when the cache holds no display memory, so a diagnosis is
  // needed. A cached driver version or sound left empty reads "No information".
  bool TakeCachedFacts();
  // The outcome when no DirectX diagnostic result is available: all three facts read
  // "indeterminable" and the busy indicator stops. The benchmark goes on without them.
  void SetDirectXFactsIndeterminable();

  const DirectXFacts& Facts() const { return facts_; }

 private:
  const platform::Registry& registry_;
  ui::BusyIndicator& AdvCircularProgress1_;
  DirectXFacts facts_;
};

}  // namespace tamsendor::sysinfo
