#pragma once

#include <string>

#include "platform/file_system.h"

namespace tamsendor::platform {

// Opens a document with the program the user has chosen for its kind (a saved report in the
// default browser), as if it had been double-clicked.
class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Does not wait for the program. On failure, the system's reason.
  virtual FileResult Open(const std::string& path) = 0;
};

}  // namespace tamsendor::platform
