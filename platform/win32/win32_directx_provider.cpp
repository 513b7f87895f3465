#include "platform/win32/win32_directx_provider.h"

#include <windows.h>
// The provider's class and interface ids are in no import library: defined here, the one file
// that names them.
#include <initguid.h>
#include <dxdiag.h>
#include <oleauto.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "platform/win32/com.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

// The container the names lead to from `parent`, one name at a time; empty when one is missing.
ComRef<IDxDiagContainer> Child(IDxDiagContainer* parent,
                               std::initializer_list<const wchar_t*> names) {
  ComRef<IDxDiagContainer> found;
  IDxDiagContainer* at = parent;
  for (const wchar_t* name : names) {
    ComRef<IDxDiagContainer> next;
    if (FAILED(at->GetChildContainer(name, next.Out())) || !next)
      return {};
    found = std::move(next);
    at = found.Get();
  }
  return found;
}

// A text property; empty when the container does not have it as text.
std::string Text(IDxDiagContainer* container, const wchar_t* name) {
  VARIANT value;
  VariantInit(&value);
  std::string text;
  if (SUCCEEDED(container->GetProp(name, &value)) && value.vt == VT_BSTR &&
      value.bstrVal != nullptr)
    text = Narrow(value.bstrVal);
  VariantClear(&value);
  return text;
}

}  // namespace

platform::DirectXDevices Win32DirectXProvider::Query() {
  platform::DirectXDevices devices;
  const ComScope com;
  ComRef<IDxDiagProvider> provider;
  if (FAILED(CoCreateInstance(CLSID_DxDiagProvider, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IDxDiagProvider, reinterpret_cast<void**>(provider.Out()))) ||
      !provider)
    return devices;
  DXDIAG_INIT_PARAMS parameters{};
  parameters.dwSize = sizeof(parameters);
  parameters.dwDxDiagHeaderVersion = DXDIAG_DX9_SDK_VERSION;
  parameters.bAllowWHQLChecks = FALSE;  // a check of the drivers' signatures would go online
  ComRef<IDxDiagContainer> root;
  if (FAILED(provider->Initialize(&parameters)) || FAILED(provider->GetRootContainer(root.Out())) ||
      !root)
    return devices;
  if (const auto display = Child(root.Get(), {L"DxDiag_DisplayDevices", L"0"})) {
    devices.CardName = Text(display.Get(), L"szDescription");
    devices.DisplayMemory = Text(display.Get(), L"szDisplayMemoryEnglish");
    devices.DriverVersion = Text(display.Get(), L"szDriverVersion");
  }
  if (const auto sound = Child(root.Get(), {L"DxDiag_DirectSound", L"DxDiag_SoundDevices", L"0"}))
    devices.SoundDescription = Text(sound.Get(), L"szDescription");
  return devices;
}

}  // namespace tamsendor::win32
