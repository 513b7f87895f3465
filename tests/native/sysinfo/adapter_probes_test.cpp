#include "sysinfo/adapter_probes.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_display_driver.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_shell.h"

namespace tamsendor::sysinfo {
namespace {

using platform::ClockPart;
using platform::RegistryRoot;

constexpr char kAsic[] = "SOFTWARE\\ATI Technologies\\CDS\\0000\\0\\ASIC";
constexpr char kMemory[] = "SOFTWARE\\ATI Technologies\\CDS\\0000\\0\\Memory";
constexpr char kClass[] =
    "SYSTEM\\ControlSet001\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}\\0000";
constexpr std::uint32_t kClocksQuery = 0x110013;
constexpr std::uint32_t kMemoryQuery = 0x400103;

struct Probes {
  // An ATI adapter whose clocks query answers 62100 and 50000 hundredths of MHz.
  Probes() {
    driver.atiAnswers[kClocksQuery] = {{44, 62100}, {12, 50000}};
    driver.atiAnswers[kMemoryQuery] = {};
    driver.devices = {{"\\\\.\\DISPLAY1", "Radeon X1950 Pro", "PCI\\VEN_1002&DEV_7280"},
                      {"\\\\.\\DISPLAY2", "Radeon X1950 Pro Secondary", "PCI\\VEN_1002&DEV_72A0"}};
  }
  fakes::FakeDisplayDriver driver;
  fakes::FakeRegistry registry;
  fakes::FakeLocaleClock locale;
  DriverAdapterProbes probes{driver, registry, locale};
};

TEST(AdapterProbesTest, AnAtiAdapterWithItsClocksAndRegistryTexts) {
  Probes p;
  p.registry.CreateKey(RegistryRoot::LocalMachine, kAsic);
  p.registry.WriteString(RegistryRoot::LocalMachine, kAsic, "Bus Type", "PCI Express (x16)");
  p.registry.CreateKey(RegistryRoot::LocalMachine, kMemory);
  p.registry.WriteString(RegistryRoot::LocalMachine, kMemory, "Type", "GDDR3");
  const platform::AtiAdapterInfo ati = p.probes.ProbeAtiAdapter();
  EXPECT_TRUE(ati.Valid);
  EXPECT_EQ(ati.CardName, "Radeon X1950 Pro");
  EXPECT_EQ(ati.CoreClock, "621.00 MHz");
  EXPECT_EQ(ati.MemoryClock, "500.00 MHz");
  EXPECT_EQ(ati.BusType, "PCI Express ") << "cut before the bracket, its blank kept";
  EXPECT_EQ(ati.MemoryType, "GDDR3") << "a text without a bracket is taken whole";
  // The exact inputs: the clocks query, then the memory query.
  ASSERT_EQ(p.driver.atiInputs.size(), 2u);
  EXPECT_EQ(p.driver.atiInputs[0], (std::array<std::uint32_t, 4>{16, kClocksQuery, 0, 0}));
  EXPECT_EQ(p.driver.atiInputs[1], (std::array<std::uint32_t, 4>{16, kMemoryQuery, 0, 0}));

  // The locale's separator; a missing memory type empties it, and a later probe without ATI's
  // keys keeps the texts it had.
  p.locale.decimalSeparator = ",";
  p.registry.DeleteKey(RegistryRoot::LocalMachine, kMemory);
  p.registry.CreateKey(RegistryRoot::LocalMachine, kMemory);
  const platform::AtiAdapterInfo second = p.probes.ProbeAtiAdapter();
  EXPECT_EQ(second.CoreClock, "621,00 MHz");
  EXPECT_EQ(second.MemoryType, "");
  p.registry.DeleteKey(RegistryRoot::LocalMachine, kAsic);
  p.registry.WriteString(RegistryRoot::LocalMachine, kMemory, "Type", "DDR2");
  const platform::AtiAdapterInfo third = p.probes.ProbeAtiAdapter();
  EXPECT_EQ(third.BusType, "PCI Express ");
  EXPECT_EQ(third.MemoryType, "");
}

TEST(AdapterProbesTest, WhatIsNoAtiAdapter) {
  const struct {
    const char* what;
    void (*set)(fakes::FakeDisplayDriver&);
    bool valid;
    const char* card;
  } cases[] = {
      {"the clocks query refused", [](auto& d) { d.atiAnswers.erase(kClocksQuery); }, false, ""},
      {"the memory query refused", [](auto& d) { d.atiAnswers.erase(kMemoryQuery); }, false, ""},
      {"another vendor", [](auto& d) { d.devices[0].DeviceID = "PCI\\VEN_10DE&DEV_0193"; }, false,
       ""},
      {"no devices listed", [](auto& d) { d.devices.clear(); }, false, ""},
      // No "\\.\DISPLAY1": no description, and the vendor is the last listed device's.
      {"no first display, an ATI device last",
       [](auto& d) { d.devices[0].DeviceName = "\\\\.\\DISPLAY3"; }, true, ""},
      {"no first display, another vendor last",
       [](auto& d) {
         d.devices[0].DeviceName = "\\\\.\\DISPLAY3";
         d.devices[1].DeviceID = "PCI\\VEN_8086&DEV_2A42";
       },
       false, ""},
  };
  for (const auto& c : cases) {
    Probes p;
    c.set(p.driver);
    const platform::AtiAdapterInfo ati = p.probes.ProbeAtiAdapter();
    EXPECT_EQ(ati.Valid, c.valid) << c.what;
    EXPECT_EQ(ati.CardName, c.card) << c.what;
  }
}

TEST(AdapterProbesTest, TheDisplayClassKeyAndItsClockReadings) {
  constexpr std::uint32_t MHz = 1000000;
  Probes p;
  p.registry.CreateKey(RegistryRoot::LocalMachine, kClass);
  p.registry.WriteString(RegistryRoot::LocalMachine, kClass, "DriverDesc", "GeForce 8800 GTX");
  for (std::uint32_t i = 0; i < 3; ++i) {
    p.driver.clocks[{i, ClockPart::Core}] = {(300 + 150 * i) * MHz};
    p.driver.clocks[{i, ClockPart::Memory}] = {(500 + 200 * i) * MHz};
  }
  const platform::DisplayClassInfo display = p.probes.ProbeDisplayClassKey();
  EXPECT_TRUE(display.Valid);
  EXPECT_EQ(display.DriverDesc, "GeForce 8800 GTX");
  EXPECT_EQ(p.probes.ClockList(),
            (std::vector<std::string>{"300", "450", "600", "500", "700", "900"}));
  EXPECT_EQ(display.GpuSpeed, "600 MHz");
  EXPECT_EQ(display.MemorySpeed, "900 MHz");
  // A reading that answers is asked again: 12 first readings, 6 second ones.
  EXPECT_EQ(p.driver.clockQueries, 18);
}

TEST(AdapterProbesTest, TheClassKeySectionOnlyWithSixReadingsOfThisProbe) {
  constexpr std::uint32_t MHz = 1000000;
  const struct {
    const char* what;
    bool key;
    std::vector<std::uint32_t> secondCore;  // readings of index 2, first and second
    int answered;                           // indexes 0 to answered-1 answer, core and memory
    bool valid;
  } cases[] = {
      {"no class key", false, {600 * MHz}, 3, false},
      {"a driver that refuses the escape", true, {600 * MHz}, 0, false},
      {"four readings", true, {600 * MHz}, 2, false},
      {"a second reading of 0", true, {600 * MHz, 0}, 3, false},
      {"six readings", true, {600 * MHz}, 3, true},
  };
  for (const auto& c : cases) {
    Probes p;
    if (c.key)
      p.registry.CreateKey(RegistryRoot::LocalMachine, kClass);
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(c.answered); ++i) {
      p.driver.clocks[{i, ClockPart::Core}] = {(300 + 150 * i) * MHz};
      p.driver.clocks[{i, ClockPart::Memory}] = {(500 + 200 * i) * MHz};
    }
    if (c.answered > 2)
      p.driver.clocks[{2, ClockPart::Core}] = c.secondCore;
    EXPECT_EQ(p.probes.ProbeDisplayClassKey().Valid, c.valid) << c.what;
  }
  // An earlier probe's speeds do not stay behind a later one without readings.
  Probes p;
  p.registry.CreateKey(RegistryRoot::LocalMachine, kClass);
  for (std::uint32_t i = 0; i < 3; ++i) {
    p.driver.clocks[{i, ClockPart::Core}] = {(300 + 150 * i) * MHz};
    p.driver.clocks[{i, ClockPart::Memory}] = {(500 + 200 * i) * MHz};
  }
  ASSERT_TRUE(p.probes.ProbeDisplayClassKey().Valid);
  p.driver.clocks.clear();
  const platform::DisplayClassInfo later = p.probes.ProbeDisplayClassKey();
  EXPECT_FALSE(later.Valid);
  EXPECT_EQ(later.GpuSpeed, "");
  EXPECT_TRUE(p.probes.ClockList().empty());
}

}  // namespace
}  // namespace tamsendor::sysinfo
