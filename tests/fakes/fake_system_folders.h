#pragma once

#include <string>
#include <string_view>

#include "platform/directx_provider.h"
#include "platform/system_folders.h"

namespace tamsendor::fakes {

// A Windows installation's folders; its code page turns the byte 0xE6 into "æ", as CP1252 does,
// and leaves the rest.
class FakeSystemFolders : public platform::SystemFolders {
 public:
  std::string system = "C:\\Windows\\system32";
  std::string temporary = "C:\\Users\\Jane Doe\\AppData\\Local\\Temp\\";
  std::string SystemFolder() const override { return system; }
  std::string TemporaryFolder() const override { return temporary; }
  std::string AnsiToUtf8(std::string_view ansi) const override {
    std::string utf8;
    for (const char c : ansi)
      utf8 += c == '\xE6' ? std::string("\xC3\xA6") : std::string(1, c);
    return utf8;
  }
};

class FakeDirectXProvider : public platform::DirectXProvider {
 public:
  platform::DirectXDevices devices;
  int queries = 0;
  platform::DirectXDevices Query() override {
    ++queries;
    return devices;
  }
};

}  // namespace tamsendor::fakes
