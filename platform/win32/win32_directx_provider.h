#pragma once

#include "platform/directx_provider.h"

namespace tamsendor::win32 {

// Asks the DirectX diagnostic provider (IDxDiagProvider, the COM object the diagnostic tool itself
// uses) for the first display device and the first sound device.
class Win32DirectXProvider : public platform::DirectXProvider {
 public:
  platform::DirectXDevices Query() override;
};

}  // namespace tamsendor::win32
