#include "sysinfo/directx_facts.h"

#include "core/product_key.h"

namespace tamsendor::sysinfo {

namespace {

constexpr char kNoInformation[] = "No information";
constexpr char kIndeterminable[] = "indeterminable";

}  // namespace

bool DirectXInformation::TakeCachedFacts() {
  const std::string displayMemory = core::ReadProductValue(registry_, "Display Memory");
  if (displayMemory.empty())
    return false;
  const std::string driver = core::ReadProductValue(registry_, "Driver Version");
  const std::string sound = core::ReadProductValue(registry_, "Sound");
  facts_.DisplayMemory = displayMemory;
  facts_.DriverVersion = driver.empty() ? kNoInformation : driver;
  facts_.Sound = sound.empty() ? kNoInformation : sound;
  return true;
}

void DirectXInformation::SetDirectXFactsIndeterminable() {
  facts_.DisplayMemory = kIndeterminable;
  facts_.DriverVersion = kIndeterminable;
  facts_.Sound = kIndeterminable;
  AdvCircularProgress1_.SetEnabled(false);
  AdvCircularProgress1_.SetVisible(false);
}

}  // namespace tamsendor::sysinfo
