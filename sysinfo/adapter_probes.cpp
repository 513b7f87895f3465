#include "sysinfo/adapter_probes.h"

#include <cstdio>
#include <optional>

namespace tamsendor::sysinfo {

namespace {

using platform::RegistryRoot;

constexpr char kFirstDisplay[] = "\\\\.\\DISPLAY1";
constexpr char kAtiVendor[] = "1002";
constexpr char kAtiAsicKey[] = "\\SOFTWARE\\ATI Technologies\\CDS\\0000\\0\\ASIC";
constexpr char kAtiMemoryKey[] = "\\SOFTWARE\\ATI Technologies\\CDS\\0000\\0\\Memory";
constexpr char kDisplayClassKey[] =
    "\\SYSTEM\\ControlSet001\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}\\0000";
constexpr std::size_t kReadings = 6;

// The little-endian word at `offset` of an escape's output.
std::uint32_t WordAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  std::uint32_t word = 0;
  for (std::size_t i = 0; i < 4 && offset + i < bytes.size(); ++i)
    word |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
  return word;
}

// "%f MHz": two decimals, with the locale's separator.
std::string ClockText(double mhz, const std::string& separator) {
  char buffer[32];
  std::snprintf(buffer, sizeof(buffer), "%.2f", mhz);
  std::string text = buffer;
  if (const std::size_t point = text.find('.'); point != std::string::npos)
    text.replace(point, 1, separator);
  return text + " MHz";
}

// A reading in whole MHz, as "%.0f" gives it.
std::string WholeMhz(std::uint32_t hertz) {
  char buffer[32];
  std::snprintf(buffer, sizeof(buffer), "%.0f", static_cast<double>(hertz) / 1000000.0);
  return buffer;
}

}  // namespace

std::string CutBeforeBracket(const std::string& text) {
  return text.substr(0, text.find('('));
}

bool DriverAdapterProbes::DetectAti(TRadeonInfo& radeon) {
  const std::optional<std::vector<std::uint8_t>> clocks =
      driver_.AtiEscape({16, 0x110013, 0, 0}, 80);
  if (!clocks || !driver_.AtiEscape({16, 0x400103, 0, 0}, 64))
    return false;
  radeon.CoreClock = WordAt(*clocks, 44) / 100.0;
  radeon.MemoryClock = WordAt(*clocks, 12) / 100.0;
  // The first display's description; its identifier, or the last listed one's, names the vendor
  // in characters 9 to 12 ("PCI\VEN_1002&...").
  platform::DisplayDeviceRecord last;
  for (const platform::DisplayDeviceRecord& device : driver_.DisplayDevices()) {
    last = device;
    if (device.DeviceName == kFirstDisplay) {
      radeon.Description = device.DeviceString;
      break;
    }
  }
  return last.DeviceID.size() >= 12 && last.DeviceID.substr(8, 4) == kAtiVendor;
}

platform::AtiAdapterInfo DriverAdapterProbes::ProbeAtiAdapter() {
  platform::AtiAdapterInfo info;
  TRadeonInfo radeon;
  if (!DetectAti(radeon))
    return info;
  info.Valid = true;
  info.CardName = radeon.Description;
  const std::string separator = locale_.DecimalSeparator();
  info.CoreClock = ClockText(radeon.CoreClock, separator);
  info.MemoryClock = ClockText(radeon.MemoryClock, separator);
  if (registry_.KeyExists(RegistryRoot::LocalMachine, kAtiAsicKey)) {
    AtiBusType_ = CutBeforeBracket(
        registry_.ReadString(RegistryRoot::LocalMachine, kAtiAsicKey, "Bus Type").value_or(""));
    if (registry_.KeyExists(RegistryRoot::LocalMachine, kAtiMemoryKey))
      AtiMemoryType_ = CutBeforeBracket(
          registry_.ReadString(RegistryRoot::LocalMachine, kAtiMemoryKey, "Type").value_or(""));
  }
  info.BusType = AtiBusType_;
  info.MemoryType = AtiMemoryType_;
  return info;
}

platform::DisplayClassInfo DriverAdapterProbes::ProbeDisplayClassKey() {
  platform::DisplayClassInfo info;
  if (!registry_.KeyExists(RegistryRoot::LocalMachine, kDisplayClassKey))
    return info;
  info.DriverDesc =
      registry_.ReadString(RegistryRoot::LocalMachine, kDisplayClassKey, "DriverDesc").value_or("");
  ClockList_.clear();
  for (const platform::ClockPart part : {platform::ClockPart::Core, platform::ClockPart::Memory}) {
    for (std::uint32_t index = 0; index < kReadings; ++index) {
      // A reading that answers is taken again; the second one is kept.
      if (WholeMhz(driver_.QueryDriverClock(index, part)) != "0")
        ClockList_.push_back(WholeMhz(driver_.QueryDriverClock(index, part)));
    }
  }
  // Only this probe's own six readings make a section: an earlier probe's speeds would pass for
  // this one's.
  if (ClockList_.size() != kReadings)
    return info;
  info.GpuSpeed = ClockList_[2] + " MHz";
  info.MemorySpeed = ClockList_[5] + " MHz";
  info.Valid = info.GpuSpeed != "0 MHz" && info.MemorySpeed != "0 MHz";
  return info;
}

}  // namespace tamsendor::sysinfo
