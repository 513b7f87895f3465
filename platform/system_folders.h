#pragma once

#include <string>
#include <string_view>

namespace tamsendor::platform {

// The system's own folders and its code page for older tools' text.
class SystemFolders {
 public:
  virtual ~SystemFolders() = default;
  // The system directory, without a trailing separator ("C:\Windows\system32").
  virtual std::string SystemFolder() const = 0;
  // The user's folder for temporary files, ending in a separator; a standard user may write
  // there, unlike in the program's own folder.
  virtual std::string TemporaryFolder() const = 0;
  // Text in the system's ANSI code page (as tools such as dxdiag write their reports: CP1252,
  // CP932...) as UTF-8.
  virtual std::string AnsiToUtf8(std::string_view ansi) const = 0;
};

}  // namespace tamsendor::platform
