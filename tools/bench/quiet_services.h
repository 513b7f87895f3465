#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "platform/locale_clock.h"
#include "platform/registry.h"
#include "platform/window_placement.h"

namespace tamsendor::benchmarks {

// The services a benchmark program runs the start and the sequencer with where the figures do
// not depend on them: no product key (nothing is stored), no window to move, a fixed clock.

class NoRegistry : public platform::Registry {
 public:
  bool KeyExists(platform::RegistryRoot, const std::string&) const override { return false; }
  bool ValueExists(platform::RegistryRoot, const std::string&, const std::string&) const override {
    return false;
  }
  std::optional<std::string> ReadString(platform::RegistryRoot, const std::string&,
                                        const std::string&) const override {
    return std::nullopt;
  }
  std::optional<std::uint32_t> ReadDword(platform::RegistryRoot, const std::string&,
                                         const std::string&) const override {
    return std::nullopt;
  }
  bool WriteString(platform::RegistryRoot, const std::string&, const std::string&,
                   const std::string&) override {
    return false;
  }
  bool WriteDword(platform::RegistryRoot, const std::string&, const std::string&,
                  std::uint32_t) override {
    return false;
  }
};

// A message would mean the benchmark did not run as set up: it is printed, and every question
// is answered No.
class PrintedDialogs : public platform::Dialogs {
 public:
  void ShowMessage(const std::string& text) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
  }
  bool ConfirmYesNo(const std::string& question) override {
    ShowMessage(question);
    return false;
  }
  bool Choose(const std::string& question, const std::string&, const std::string&) override {
    return ConfirmYesNo(question);
  }
};

class NoWindow : public platform::WindowPlacement {
 public:
  platform::WindowBounds NormalBounds() const override { return {}; }
  void SetBounds(const platform::WindowBounds&) override {}
};

class FixedClock : public platform::LocaleClock {
 public:
  std::string NowShortDateLongTime() const override { return "2007.11.23. 21:05:07"; }
  std::string NowIso8601() const override { return "2007-11-23T21:05:07+01:00"; }
  std::string DecimalSeparator() const override { return "."; }
};

}  // namespace tamsendor::benchmarks
