#pragma once

#include "platform/system_folders.h"

namespace tamsendor::win32 {

class Win32SystemFolders : public platform::SystemFolders {
 public:
  std::string SystemFolder() const override;
  std::string TemporaryFolder() const override;
  std::string AnsiToUtf8(std::string_view ansi) const override;
};

}  // namespace tamsendor::win32
